#include "settings/DecimalParse.h"

#include <charconv>
#include <optional>
#include <string>

namespace {

// The text in the form from_chars reads: trimmed, separator ".", no leading "+".
std::optional<std::string> normalize(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    std::string out;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        if (text.front() == '-')
            out.push_back('-');
        text.remove_prefix(1);
    }
    // A digit or separator must come first: this refuses "nan", "inf" and a second sign.
    if (text.empty() || !((text.front() >= '0' && text.front() <= '9') || text.front() == '.' || text.front() == ','))
        return std::nullopt;
    int separators = 0;
    for (char c : text) {
        if (c == '.' || c == ',') {
            ++separators;
            c = '.';
        } else if (c == 'x' || c == 'X' || c == 'p' || c == 'P') {
            return std::nullopt;
        }
        out.push_back(c);
    }
    if (separators > 1)
        return std::nullopt;
    return out;
}

template <typename T>
bool parse(std::string_view text, T& value)
{
    const auto plain = normalize(text);
    if (!plain)
        return false;
    T v{};
    const char* end = plain->data() + plain->size();
    const auto [ptr, ec] = std::from_chars(plain->data(), end, v, std::chars_format::general);
    if (ec != std::errc() || ptr != end)
        return false;
    value = v;
    return true;
}

} // namespace

bool TryParseDouble(std::string_view text, double& value)
{
    return parse(text, value);
}

bool TryParseSingle(std::string_view text, float& value)
{
    return parse(text, value);
}
