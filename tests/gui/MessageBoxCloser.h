#pragma once

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <utility>

// Real message boxes, as QtUi shows them, closed by the test: each is let take the
// focus as it does for a user, its text is kept, and it is closed with OK.
// `whileShown`, when set, runs once while the next box is up (a user who lets go of
// the mouse button or types meanwhile).
class MessageBoxCloser final : public QObject {
public:
    MessageBoxCloser() { qApp->installEventFilter(this); }
    ~MessageBoxCloser() override { qApp->removeEventFilter(this); }

    QStringList texts;
    std::function<void()> whileShown;

    // A user's click on `button` of `shown`: pressed, then let go, while a box the press
    // brought up is still showing if there is one.
    void click(QWidget& shown, QWidget& button)
    {
        QWindow* window = shown.windowHandle();
        const QPoint at = button.mapTo(&shown, QPoint(8, button.height() / 2));
        whileShown = [window, at] { QTest::mouseRelease(window, Qt::LeftButton, {}, at); };
        QTest::mousePress(window, Qt::LeftButton, {}, at);
        if (std::exchange(whileShown, {}))
            QTest::mouseRelease(window, Qt::LeftButton, {}, at);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box != nullptr && event->type() == QEvent::Show) {
            texts << box->text();
            QTimer::singleShot(0, box, [this, box] {
                // A box that never takes the focus would hide the fault under test.
                if (!QTest::qWaitForWindowActive(box, 1000))
                    texts << "(the box never became active)";
                if (auto steps = std::exchange(whileShown, {}))
                    steps();
                box->accept();
            });
        }
        return false;
    }
};
