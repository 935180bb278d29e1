#include "gui/app/ApplyEdit.h"

ApplyEdit::ApplyEdit(const char* name, QWidget* background)
    : QLineEdit(background)
{
    setObjectName(name);
    connect(this, &QLineEdit::editingFinished, this, [this, background] {
        if (hasFocus())
            background->setFocus();
        emit applied();
    });
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
