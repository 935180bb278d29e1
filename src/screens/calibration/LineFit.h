#pragma once

#include <span>
#include <string>

// A straight line y = a x + b through calibration points, by least squares;
// `correlation` is the squared correlation coefficient in percent.
struct LineFit {
    double a = 0.0;
    double b = 0.0;
    double correlation = 0.0;
};

// Fewer than two points give the identity line (a = 1, b = 0, correlation = 0).
// Points that all share one x cannot define a slope: the previous fit is kept.
LineFit fitLine(std::span<const double> x, std::span<const double> y, const LineFit& previous);

// The three panels of a fit: "a = %.4f", "b = %.4f", "corr = %.5f %".
struct LineFitTexts {
    std::string slope;
    std::string intercept;
    std::string correlation;
};
LineFitTexts lineFitTexts(const LineFit& fit);
