#include "settings/RegisterRounding.h"

#include "settings/DecimalParse.h"

#include <algorithm>
#include <cmath>

double roundHalfEven(double scaled)
{
    if (!std::isfinite(scaled))
        return scaled;
    const double below = std::floor(scaled);
    const double half = below + 0.5;
    if (std::fabs(scaled - half) <= 1e-9 * std::max(1.0, std::fabs(scaled)))
        return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
    return std::round(scaled);
}

std::optional<int> scaledRegisterValue(std::string_view text, double lo, double hi, double scale)
{
    double value = 0;
    if (!TryParseDouble(text, value) || !(value >= lo && value <= hi))
        return std::nullopt;
    return static_cast<int>(roundHalfEven(value * scale));
}
