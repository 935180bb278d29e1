#include "gui/screens/calibration/FitArea.h"

#include "gui/app/WidgetText.h"
#include "gui/screens/calibration/CalibrationPlot.h"
#include "screens/calibration/LineFit.h"

#include <QHBoxLayout>

FitArea::FitArea(QBoxLayout* layout, QWidget* grid, QWidget* parent)
    : plot_(new CalibrationPlot(parent))
    , slope_(namedPanel("slopePanel", parent))
    , intercept_(namedPanel("interceptPanel", parent))
    , correlation_(namedPanel("correlationPanel", parent))
{
    auto* points = new QHBoxLayout;
    points->addWidget(grid);
    points->addWidget(plot_, 1);
    layout->addLayout(points);
    auto* panels = new QHBoxLayout;
    for (QLabel* panel : {slope_, intercept_, correlation_})
        panels->addWidget(panel);
    layout->addLayout(panels);
}

void FitArea::setFit(std::vector<double> x, std::vector<double> y, const LineFit& fit, const LineFitTexts& texts)
{
    plot_->setData(std::move(x), std::move(y), fit);
    slope_->setText(qs(texts.slope));
    intercept_->setText(qs(texts.intercept));
    correlation_->setText(qs(texts.correlation));
}
