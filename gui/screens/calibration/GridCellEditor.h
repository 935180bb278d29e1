#pragma once

#include "screens/calibration/GridCellEdit.h"

#include <QObject>

#include <functional>
#include <string>

class QLineEdit;
class QTableWidget;

// The edit box `cellEditor` laid over the grid cell a calibration window is
// editing. A click on a cell asks the window to edit it; Enter or leaving the box
// confirms the typed value, Escape drops it; a value the window refuses keeps the
// box open with the focus, so the technician can correct it.
class GridCellEditor final : public QObject {
public:
    struct Logic {
        // The window's edit box: its cell and the text typed so far.
        const GridCellEdit* edit;
        // Rows counted from 1, below the header.
        std::function<void(int row, int column)> select;
        std::function<void(const std::string&)> setText;
        // True when the value was taken (the box then closes).
        std::function<bool()> confirm;
        std::function<void()> escape;
        // Redraws the window after a click, a confirm or an escape.
        std::function<void()> render;
    };

    // For a window logic with selectCell, setCellText, cellEditConfirmed,
    // cellEditCancelled and cellEdit.
    template <typename Window>
    static GridCellEditor* forWindow(QTableWidget* grid, Window& window, std::function<void()> render,
                                     QObject* parent)
    {
        Logic logic{&window.cellEdit(),
                    [&window](int row, int column) { window.selectCell(row, column); },
                    [&window](const std::string& text) { window.setCellText(text); },
                    [&window] { return window.cellEditConfirmed(); },
                    [&window] { window.cellEditCancelled(); },
                    std::move(render)};
        return new GridCellEditor(grid, std::move(logic), parent);
    }

    GridCellEditor(QTableWidget* grid, Logic logic, QObject* parent);

    // Over the cell the window is editing, hidden otherwise; the text typed so far is
    // kept while the box has the focus.
    void place();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cellClicked(int row, int column);
    void confirm();

    QTableWidget* grid_;
    QLineEdit* edit_;
    Logic logic_;
    // Confirming may move the focus, whose loss would confirm a second time.
    bool confirming_ = false;
};
