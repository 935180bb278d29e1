#pragma once

#include "screens/calibration/LineFit.h"

#include <QWidget>

#include <vector>

// The points of a calibration and the fitted line through them, so that an outlier
// shows at a glance. Redrawn whenever the window's points change.
class CalibrationPlot final : public QWidget {
    Q_OBJECT
public:
    explicit CalibrationPlot(QWidget* parent = nullptr);

    void setData(std::vector<double> x, std::vector<double> y, const LineFit& fit);
    const std::vector<double>& xs() const { return x_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<double> x_;
    std::vector<double> y_;
    LineFit fit_;
};
