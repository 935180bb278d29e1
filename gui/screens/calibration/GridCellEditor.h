#pragma once

#include <QObject>

#include <functional>
#include <string>

class QLineEdit;
class QTableWidget;

// The edit box `cellEditor` laid over the grid cell a calibration window is
// editing. Enter or leaving the box confirms the typed value, Escape drops it; a
// value the window refuses keeps the box open with the focus, so the technician can
// correct it.
class GridCellEditor final : public QObject {
public:
    struct Logic {
        std::function<bool()> editing;
        std::function<void(const std::string&)> setText;
        // True when the value was taken (the box then closes).
        std::function<bool()> confirm;
        std::function<void()> escape;
        // Redraws the window after a confirm or an escape.
        std::function<void()> render;
    };

    GridCellEditor(QTableWidget* grid, Logic logic, QObject* parent);

    // After a click that opened the editor: the box takes the focus, its text selected.
    void focusIfEditing();
    // Over grid cell (row, column), 0-based, while the window is editing; hidden otherwise.
    // The text typed so far is kept while the box has the focus.
    void place(bool editing, int row, int column, const std::string& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void confirm();

    QTableWidget* grid_;
    QLineEdit* edit_;
    Logic logic_;
    // Confirming may move the focus, whose loss would confirm a second time.
    bool confirming_ = false;
};
