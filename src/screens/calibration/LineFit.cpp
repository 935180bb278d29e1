#include "screens/calibration/LineFit.h"

#include <algorithm>
#include <cstdio>
#include <string>

LineFit fitLine(std::span<const double> x, std::span<const double> y, const LineFit& previous)
{
    const std::size_t count = std::min(x.size(), y.size());
    if (count < 2)
        return {1.0, 0.0, 0.0};
    double sx = 0, sxx = 0, sy = 0, syy = 0, sxy = 0;
    for (std::size_t i = 0; i < count; ++i) {
        sx += x[i];
        sxx += x[i] * x[i];
        sy += y[i];
        syy += y[i] * y[i];
        sxy += x[i] * y[i];
    }
    const double n = static_cast<double>(count);
    const double d = n * sxx - sx * sx;
    if (d == 0.0)
        return previous;
    LineFit fit;
    fit.a = (n * sxy - sx * sy) / d;
    fit.b = (sxx * sy - sxy * sx) / d;
    const double e = n * syy - sy * sy;
    fit.correlation = e == 0.0 ? 0.0 : 100.0 * fit.a * (n * sxy - sy * sx) / e;
    return fit;
}

namespace {

// printf's text of one coefficient; a value that shows as zero shows without a sign
// (points kept in single precision leave an intercept of -0.0000076 for a true zero).
std::string coefficientText(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    std::string shown(text);
    const std::size_t minus = shown.find('-');
    if (minus != std::string::npos && shown.find_first_of("123456789", minus) == std::string::npos)
        shown.erase(minus, 1);
    return shown;
}

} // namespace

LineFitTexts lineFitTexts(const LineFit& fit)
{
    return {coefficientText("a = %.4f", fit.a), coefficientText("b = %.4f", fit.b),
            coefficientText("corr = %.5f %%", fit.correlation)};
}
