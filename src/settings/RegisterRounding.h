#pragma once

#include <optional>
#include <string_view>

// Typed decimals as register values, the same on every page and window.
//
// The nearest integer to `scaled` (a typed value already multiplied by its register's
// scale), a half going to the even neighbour. The product carries the binary noise of
// the decimal typed (0.545 × 100 is 54.50000000000001): a value within a billionth of
// a half counts as that half, so that what the user typed decides, not its binary form.
double roundHalfEven(double scaled);

// A decimal typed with a point or a comma, accepted when lo <= value <= hi, as the
// register value round(value × scale), halves to even.
std::optional<int> scaledRegisterValue(std::string_view text, double lo, double hi, double scale);
