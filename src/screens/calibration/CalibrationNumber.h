#pragma once

#include "app/ShownNumber.h"

#include <string>

// A number as the calibration windows show it: printf's `format` with one floating
// conversion, always with a point.
inline std::string calibrationNumber(const char* format, double value)
{
    return shownNumber(format, value, '.');
}
