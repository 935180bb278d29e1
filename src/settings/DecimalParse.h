#pragma once

#include <string_view>

// Numbers typed by users and read from files: plain decimal text with "." or "," as
// the decimal separator (one of them, once), an optional sign and exponent, blanks
// around it. No thousands separators, "nan", "inf", hexadecimal or results beyond
// the type's range. The process locale is never consulted nor changed.
bool TryParseDouble(std::string_view text, double& value);
bool TryParseSingle(std::string_view text, float& value);
