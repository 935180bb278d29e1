#include "screens/calibration/Pt100Curve.h"

namespace {

constexpr double kA = 3.9083e-3;
constexpr double kB = -5.775e-7;
constexpr double kC = -4.183e-12;
constexpr double kR0 = 100.0;

} // namespace

double Pt100Resistance(double t)
{
    if (t >= 0.0)
        return kR0 * (1.0 + kA * t + kB * t * t);
    return kR0 * (1.0 + kA * t + kB * t * t + kC * (t - 100.0) * t * t * t);
}

double Pt100Temperature(double r)
{
    if (r < 100.0)
        return -6.023e-6 * r * r * r + 0.002547098 * r * r + 2.226000656 * r - 242.06344541;
    if (r <= 119.4)
        return 0.001001279 * r * r + 2.357675611 * r - 245.774747731;
    return 1.435e-6 * r * r * r + 3.7904e-4 * r * r + 2.451121619 * r - 250.515281592;
}
