#pragma once

#include <QLabel>

// A picture or caption that reacts to the mouse like a button.
class ClickableLabel final : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);

    // In the Tab order; Space or Enter clicks it. `name` is its accessible name.
    void makeKeyboardReachable(const QString& name);

signals:
    // Any button, as it went down, with the keyboard modifiers held.
    void pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    // The left button, released over the label.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
