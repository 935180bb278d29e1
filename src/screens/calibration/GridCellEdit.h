#pragma once

#include <cstddef>
#include <optional>
#include <string>

class Ui;

// The edit box a calibration window opens over a cell of its value grid: which cell
// (rows counted from 1, below the header) and the text typed so far.
class GridCellEdit {
public:
    // The columns that may be edited: first..last.
    GridCellEdit(int firstColumn, int lastColumn);

    // Whether the cell may be edited in a grid of `rows` data rows.
    bool editable(int row, int column, std::size_t rows) const;
    // Opens the box over the cell, showing `value` as "%.4f" (0.0000 without one).
    void open(int row, int column, std::optional<double> value);
    void setText(const std::string& text) { text_ = text; }
    void close() { editing_ = false; }
    // The number typed; nothing, after the invalid-number message, when it is none.
    std::optional<double> typedValue(Ui& ui, int language) const;

    bool editing() const { return editing_; }
    int row() const { return row_; }
    int column() const { return column_; }
    const std::string& text() const { return text_; }

private:
    int firstColumn_;
    int lastColumn_;
    bool editing_ = false;
    int row_ = 0;
    int column_ = 0;
    std::string text_;
};
