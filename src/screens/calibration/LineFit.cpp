#include "screens/calibration/LineFit.h"

#include <algorithm>
#include <cstdio>

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

LineFitTexts lineFitTexts(const LineFit& fit)
{
    char a[64];
    char b[64];
    char correlation[64];
    std::snprintf(a, sizeof a, "a = %.4f", fit.a);
    std::snprintf(b, sizeof b, "b = %.4f", fit.b);
    std::snprintf(correlation, sizeof correlation, "corr = %.5f %%", fit.correlation);
    return {a, b, correlation};
}
