#include "screens/calibration/CurvePoints.h"

#include "app/Ui.h"
#include "screens/calibration/LineFit.h"
#include "settings/CalibrationStore.h"

#include <algorithm>
#include <string>

void curvePoints(const CalibrationCurve& curve, std::vector<double>& x, std::vector<double>& y)
{
    const int n = std::clamp(curve.PointCount, 0, CalibrationCurve::kMaxPoints);
    x.assign(curve.X.begin(), curve.X.begin() + n);
    y.assign(curve.Y.begin(), curve.Y.begin() + n);
}

void storeCurvePoints(CalibrationCurve& curve, std::span<const double> x, std::span<const double> y,
                      const LineFit& fit, int serialNumber, Ui& ui)
{
    const std::size_t n = std::min({x.size(), y.size(), std::size_t{CalibrationCurve::kMaxPoints}});
    curve.PointCount = static_cast<int>(n);
    for (std::size_t i = 0; i < n; ++i) {
        curve.X[i] = static_cast<float>(x[i]);
        curve.Y[i] = static_cast<float>(y[i]);
    }
    curve.Gain = static_cast<float>(fit.a);
    curve.Offset = static_cast<float>(fit.b);
    std::string error;
    if (!SaveCalibration(serialNumber, &error))
        ui.showMessage(MessageKind::Error, error);
}
