#include "Pt100.h"

#include <cmath>

namespace qlxsim {

namespace {
constexpr double kA = 3.9083e-3;
constexpr double kB = -5.775e-7;
} // namespace

double pt100Ohms(double celsius)
{
    return 100.0 * (1.0 + kA * celsius + kB * celsius * celsius);
}

double pt100Celsius(double ohms)
{
    const double disc = kA * kA - 4.0 * kB * (1.0 - ohms / 100.0);
    if (disc < 0)
        return 0;
    return (-kA + std::sqrt(disc)) / (2.0 * kB);
}

} // namespace qlxsim
