#pragma once

#include <QTableWidget>

#include <string>
#include <vector>

// The grid of a calibration window's points or channels, `valueGrid`: the logic's
// header and rows of texts, centred, in columns of fixed widths, without row
// numbers. It is never edited in place: a window that edits lays its own box over
// a cell.
class ValueGrid final : public QTableWidget {
public:
    struct Layout {
        std::vector<int> columnWidths;
        int minimumWidth = 0;
        // Whole rows selected, one at a time; otherwise nothing is ever selected.
        bool rowSelection = false;
    };

    ValueGrid(const Layout& layout, QWidget* parent);

    void setTexts(const std::vector<std::string>& header, const std::vector<std::vector<std::string>>& rows);
    // After setTexts: the background of a row or of a column.
    void shadeRow(int row, const QColor& colour);
    void shadeColumn(int column, const QColor& colour);

private:
    // Columns at least as wide as their header, and room for the vertical scroll bar
    // beside them, so that a long list never hides a column.
    void fitColumns();

    std::vector<int> columnWidths_;
    int minimumWidth_ = 0;
    QStringList headerLabels_;
};
