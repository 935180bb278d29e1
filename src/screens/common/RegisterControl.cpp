#include "screens/common/RegisterControl.h"

#include "app/IntegerText.h"
#include "app/ShownNumber.h"
#include "settings/DecimalParse.h"
#include "settings/RegisterRounding.h"

#include <stdexcept>

std::optional<int> shownRegister(const RegisterControl& control, std::optional<int> base)
{
    if (control.absolute)
        return control.reg;
    if (!base)
        return std::nullopt;
    return *base + control.reg;
}

std::optional<int> writtenRegister(const RegisterControl& control, std::optional<int> base)
{
    return control.writtenReg ? control.writtenReg : shownRegister(control, base);
}

std::string shownControlValue(const RegisterControl& control, int r, char decimalSeparator)
{
    if (control.kind == ControlKind::Decimal)
        return shownNumber("%.1f", r / control.scale - control.shift, decimalSeparator);
    return std::to_string(r);
}

std::optional<int> writtenControlValue(const RegisterControl& control, std::string_view text)
{
    if (control.kind == ControlKind::Integer) {
        const std::optional<int> v = parseInteger(text);
        if (!v || *v < control.lo || *v > control.hi)
            return std::nullopt;
        return v;
    }
    double v = 0;
    if (!TryParseDouble(text, v) || v < control.lo || v > control.hi)
        return std::nullopt;
    return static_cast<int>(roundHalfEven((v + control.shift) * control.scale));
}

std::size_t controlIndex(const std::vector<RegisterControl>& controls, std::string_view name)
{
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].name == name)
            return i;
    }
    throw std::out_of_range("no control " + std::string(name));
}
