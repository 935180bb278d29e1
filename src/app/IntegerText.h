#pragma once

#include <optional>
#include <string_view>

// A whole number typed by the user: optional blanks around, an optional sign, then
// decimal digits only. Empty when the text is anything else or does not fit an int.
std::optional<int> parseInteger(std::string_view text);
// The same, accepted only when lo <= value <= hi.
std::optional<int> parseIntegerIn(std::string_view text, int lo, int hi);
