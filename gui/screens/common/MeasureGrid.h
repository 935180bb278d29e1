#pragma once

#include <QTableWidget>

#include <string>

// The general pages' grid of live measurements: a column of row names and a column of
// values, fixed in size so that every row shows, not editable, never focused. It is
// disabled (drawn greyed) while the values are those of a device gone silent.
class MeasureGrid final : public QTableWidget {
public:
    struct Layout {
        int rows;
        int nameWidth;
        int valueWidth;
        int rowHeight;
        // A header row above the values (its text set with `setValueHeader`).
        bool header = false;
        Qt::Alignment valueAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    };

    MeasureGrid(const char* name, const Layout& layout, QWidget* parent);

    void setValueHeader(const std::string& text);
    void setRow(int row, const std::string& name, const std::string& value);
};
