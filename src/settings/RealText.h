#pragma once

#include <string>

// Reals in files: always "." as the decimal separator, whatever the machine's
// regional settings, so a file reads the same everywhere.
// The shortest text that reads back as the same float.
std::string formatSingle(float value);
// Up to 15 significant digits.
std::string formatDouble(double value);
