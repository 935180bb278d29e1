#include "gui/app/ApplyEdit.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>

#include <utility>

ApplyEdit::ApplyEdit(const char* name, QWidget* background)
    : QLineEdit(background)
{
    setObjectName(name);
    connect(this, &QLineEdit::editingFinished, this, [this, background] {
        if (hasFocus())
            background->setFocus();
        finish();
    });
}

void ApplyEdit::finish()
{
    if (QGuiApplication::mouseButtons() == Qt::NoButton) {
        emit applied();
        return;
    }
    pending_ = true;
    if (!watching_) {
        watching_ = true;
        qApp->installEventFilter(this);
    }
}

// The release reaches the clicked control first; the value is applied after it,
// unless the click's own action already spoke in a box: a page's action sends (and
// checks) every field, so the same message would only come twice.
bool ApplyEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && pending_) {
        if (auto* dialog = qobject_cast<QDialog*>(watched); dialog != nullptr && dialog->isModal())
            pending_ = false;
    } else if (event->type() == QEvent::MouseButtonRelease && watching_ && !releaseSeen_) {
        releaseSeen_ = true;
        QTimer::singleShot(0, this, [this] {
            watching_ = false;
            releaseSeen_ = false;
            qApp->removeEventFilter(this);
            if (std::exchange(pending_, false))
                emit applied();
        });
    }
    return QLineEdit::eventFilter(watched, event);
}

void ApplyEdit::focusInEvent(QFocusEvent* event)
{
    emit focusChanged(true);
    QLineEdit::focusInEvent(event);
}

// Reported before the edit finishes, so the redraw after it shows the device's value.
void ApplyEdit::focusOutEvent(QFocusEvent* event)
{
    emit focusChanged(false);
    QLineEdit::focusOutEvent(event);
}
