#include "gui/app/ClickableLabel.h"

#include "gui/app/StyleFlag.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

ClickableLabel::ClickableLabel(QWidget* parent)
    : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::mousePressEvent(QMouseEvent* event)
{
    emit pressed(event->button(), event->modifiers());
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    event->accept();
}

void ClickableLabel::makeKeyboardReachable(const QString& name)
{
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(name);
}

void ClickableLabel::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (focusPolicy() == Qt::StrongFocus && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        emit clicked();
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

// A click takes the focus (so an edit being typed in is left before the click acts),
// but only focus reached from the keyboard is drawn: a ring on a clicked icon would
// pass for the page shown.
void ClickableLabel::focusInEvent(QFocusEvent* event)
{
    const Qt::FocusReason reason = event->reason();
    setStyleFlag(this, "keyboardFocus", reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason);
    QLabel::focusInEvent(event);
}

void ClickableLabel::focusOutEvent(QFocusEvent* event)
{
    setStyleFlag(this, "keyboardFocus", false);
    QLabel::focusOutEvent(event);
}
