#include "app/ShownNumber.h"

#include <algorithm>
#include <cstdio>

std::string shownNumber(const char* format, double value, char decimalSeparator)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    std::string text(buffer);
    std::replace(text.begin(), text.end(), '.', decimalSeparator);
    return text;
}
