#pragma once

#include <vector>

class CalibrationPlot;
class QBoxLayout;
class QLabel;
class QWidget;
struct LineFit;
struct LineFitTexts;

// Where a calibration window shows its fit: the plot of the points and line beside
// the window's point grid, and under them the three panels `slopePanel`,
// `interceptPanel` and `correlationPanel`.
class FitArea {
public:
    // Adds the grid and the plot as a row of `layout`, then the panels as another.
    FitArea(QBoxLayout* layout, QWidget* grid, QWidget* parent);

    void setFit(std::vector<double> x, std::vector<double> y, const LineFit& fit, const LineFitTexts& texts);

private:
    CalibrationPlot* plot_;
    QLabel* slope_;
    QLabel* intercept_;
    QLabel* correlation_;
};
