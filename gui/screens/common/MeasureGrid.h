#pragma once

#include <QTableWidget>

#include <span>
#include <string>

// A general page's grid of live measurements: fixed rows, not editable, never focused,
// no scroll bars, every row shown. Column 0 names the rows; the other columns hold
// values. It is disabled (drawn greyed) while the values are those of a device gone
// silent.
class MeasureGrid final : public QTableWidget {
public:
    struct Layout {
        int rows;
        int rowHeight;
        int columns = 2;
        // Widths of the name and the value column of a two-column grid; 0 leaves the
        // widths and the grid's width to the view.
        int nameWidth = 0;
        int valueWidth = 0;
        // A header row above the values.
        bool header = false;
        Qt::Alignment valueAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    };

    MeasureGrid(const char* name, const Layout& layout, QWidget* parent);

    // The header of the value column of a two-column grid.
    void setValueHeader(const std::string& text);
    // A cell is rewritten only when its text changes.
    void setCell(int row, int column, const std::string& text);
    void setRow(int row, const std::string& name, const std::string& value);
    // The value cells of `row`, from column 1 on.
    void setValues(int row, std::span<const std::string> values);
    // Row names and values from the top, as many as the grid has rows.
    void setRows(std::span<const std::string> names, std::span<const std::string> values);
};
