#include "gui/screens/thermal/ValueCellEdit.h"

#include <QFocusEvent>
#include <QMouseEvent>

ValueCellEdit::ValueCellEdit(QWidget* parent)
    : QLineEdit(parent)
{
    setFrame(false);
}

void ValueCellEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // The press that gave the focus comes next and would place the cursor.
    selectOnPress_ = event->reason() == Qt::MouseFocusReason;
    selectAll();
}

void ValueCellEdit::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    if (selectOnPress_) {
        selectOnPress_ = false;
        selectAll();
    }
}
