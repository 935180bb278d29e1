#include "screens/thermal/TestValueRow.h"

#include "app/IntegerText.h"
#include "device/DeviceType.h"
#include "settings/DecimalParse.h"
#include "settings/RegisterRounding.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace {
using Kind = TestValueRow::Kind;

constexpr TestValueRow scaled(LangText label, int scale, int decimals) { return {label, Kind::Scaled, scale, decimals}; }
constexpr TestValueRow integer(LangText label, int limit) { return {label, Kind::Integer, 1, 0, limit}; }
constexpr TestValueRow hex(LangText label) { return {label, Kind::Hex}; }
constexpr LangText same(const char* text) { return {text, text, text}; }

std::optional<long> parseHexOrInteger(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first != std::string::npos && text[first] == '$') {
        const std::string digits = text.substr(first + 1);
        if (digits.empty() || digits.size() > 8 || !std::all_of(digits.begin(), digits.end(), [](char c) {
                return std::isxdigit(static_cast<unsigned char>(c)) != 0;
            }))
            return std::nullopt;
        return std::stol(digits, nullptr, 16);
    }
    if (const auto v = parseInteger(text))
        return *v;
    return std::nullopt;
}
} // namespace

std::string TestValueRow::show(std::uint16_t value) const
{
    char buffer[32];
    switch (kind) {
    case Kind::Scaled:
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, static_cast<double>(value) / scale);
        break;
    case Kind::Integer:
        std::snprintf(buffer, sizeof buffer, "%d", static_cast<int>(value));
        break;
    case Kind::Hex:
        std::snprintf(buffer, sizeof buffer, "$%04X", static_cast<unsigned>(value));
        break;
    }
    return buffer;
}

std::optional<std::uint16_t> TestValueRow::parse(const std::string& text) const
{
    if (kind == Kind::Scaled) {
        double v = 0;
        if (!TryParseDouble(text, v))
            return std::nullopt;
        const double raw = roundHalfEven(v * scale);
        return static_cast<std::uint16_t>(std::clamp(raw, 0.0, static_cast<double>(limit)));
    }
    std::optional<long> v;
    if (kind == Kind::Hex)
        v = parseHexOrInteger(text);
    else if (const auto i = parseInteger(text))
        v = *i;
    if (!v)
        return std::nullopt;
    return static_cast<std::uint16_t>(std::clamp<long>(*v, 0, limit));
}

const std::vector<TestValueRow>& testValueRows(int deviceType)
{
    static const std::vector<TestValueRow> thermal{
        scaled(same("RTD1"), 10, 1), scaled(same("RTD2"), 10, 1), scaled(same("RTD3"), 10, 1),
        scaled(same("RTD4"), 10, 1), scaled(same("RTD5"), 10, 1), scaled(same("RTD6"), 10, 1),
        scaled({"Corr1", "Curr1", "Corr1"}, 100, 2), scaled({"Corr2", "Curr2", "Corr2"}, 100, 2),
        scaled({"Corr3", "Curr3", "Corr3"}, 100, 2)};
    static const std::vector<TestValueRow> regulator{integer({"Posic", "Posit", "Posic"}, 255),
                                                     scaled(same("V Sec"), 10, 1), scaled(same("I Sec"), 100, 2),
                                                     integer({"Defas", "Lag", "Retras"}, 65535)};
    static const std::vector<TestValueRow> irrigation{scaled(same("Temp"), 10, 1), hex(same("Dig In")),
                                                      scaled(same("Press"), 10, 1), integer(same("Period"), 65535)};
    static const std::vector<TestValueRow> position{
        scaled(same("Temp"), 10, 1), scaled({"Corr", "Curr", "Corr"}, 1000, 3),
        scaled({"CorrMin", "CurrMin", "CorrMin"}, 10, 1), scaled({"CorrMax", "CurrMax", "CorrMax"}, 10, 1),
        hex({"Reles", "Relays", "Reles"})};
    switch (deviceType) {
    case kQLX700R:
        return regulator;
    case kQLX700IRR:
        return irrigation;
    case kQLX700C:
        return position;
    default:
        return thermal;
    }
}
