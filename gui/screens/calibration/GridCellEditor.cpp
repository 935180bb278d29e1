#include "gui/screens/calibration/GridCellEditor.h"

#include "gui/app/WidgetText.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>

GridCellEditor::GridCellEditor(QTableWidget* grid, Logic logic, QObject* parent)
    : QObject(parent)
    , grid_(grid)
    , edit_(namedEdit("cellEditor", grid->viewport()))
    , logic_(std::move(logic))
{
    edit_->hide();
    edit_->installEventFilter(this);
    connect(edit_, &QLineEdit::textEdited, this, [this](const QString& t) { logic_.setText(t.toStdString()); });
    connect(grid_, &QTableWidget::cellClicked, this, &GridCellEditor::cellClicked);
}

// The box opened by the click takes the focus, its text selected.
void GridCellEditor::cellClicked(int row, int column)
{
    logic_.select(row + 1, column);
    logic_.render();
    if (!logic_.edit->editing())
        return;
    edit_->setFocus();
    edit_->selectAll();
}

void GridCellEditor::place()
{
    const GridCellEdit& state = *logic_.edit;
    if (!state.editing()) {
        edit_->hide();
        return;
    }
    const QRect cell = grid_->visualRect(grid_->model()->index(state.row() - 1, state.column()));
    edit_->setGeometry(cell.adjusted(2, 2, 3, 3));
    if (!edit_->hasFocus())
        edit_->setText(qs(state.text()));
    edit_->show();
}

void GridCellEditor::confirm()
{
    if (confirming_ || !logic_.edit->editing())
        return;
    confirming_ = true;
    logic_.setText(edit_->text().toStdString());
    if (!logic_.confirm())
        edit_->setFocus();
    confirming_ = false;
    logic_.render();
}

bool GridCellEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != edit_)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            confirm();
            return true;
        }
        if (key == Qt::Key_Escape) {
            logic_.escape();
            logic_.render();
            return true;
        }
    } else if (event->type() == QEvent::FocusOut && edit_->isVisible()) {
        confirm();
    }
    return QObject::eventFilter(watched, event);
}
