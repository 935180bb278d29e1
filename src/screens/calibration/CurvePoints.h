#pragma once

#include <span>
#include <vector>

class Ui;
struct CalibrationCurve;
struct LineFit;

// The points of a curve of the calibration record, as the windows fit them: no more
// than the curve has room for, whatever count the record says.
void curvePoints(const CalibrationCurve& curve, std::vector<double>& x, std::vector<double>& y);

// Keeps the points (as many as the curve has room for) and their fit in the curve,
// and the record in the file of `serialNumber`; a failure to write it is shown.
void storeCurvePoints(CalibrationCurve& curve, std::span<const double> x, std::span<const double> y,
                      const LineFit& fit, int serialNumber, Ui& ui);
