#pragma once

#include <string>

// A number as a page shows it: printf's `format` (one floating conversion) with the
// system's decimal separator in place of the point.
std::string shownNumber(const char* format, double value, char decimalSeparator);
