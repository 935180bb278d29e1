#include "screens/regulator/RegisterControl.h"

#include "app/IntegerText.h"
#include "app/ShownNumber.h"
#include "settings/DecimalParse.h"

#include <cmath>

std::string shownControlValue(const RegisterControl& control, int r, char decimalSeparator)
{
    if (control.kind == RegisterControl::Kind::Decimal)
        return shownNumber("%.1f", r / control.scale - control.shift, decimalSeparator);
    return std::to_string(r);
}

std::optional<int> writtenControlValue(const RegisterControl& control, std::string_view text)
{
    if (control.kind == RegisterControl::Kind::Integer) {
        const std::optional<int> v = parseInteger(text);
        if (!v || *v < control.lo || *v > control.hi)
            return std::nullopt;
        return v;
    }
    double v = 0;
    if (!TryParseDouble(text, v) || v < control.lo || v > control.hi)
        return std::nullopt;
    // The default rounding mode rounds halves to even.
    return static_cast<int>(std::nearbyint((v + control.shift) * control.scale));
}
