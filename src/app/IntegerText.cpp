#include "app/IntegerText.h"

#include <charconv>

std::optional<int> parseInteger(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return std::nullopt;
    const auto last = text.find_last_not_of(" \t");
    text = text.substr(first, last - first + 1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

std::optional<int> parseIntegerIn(std::string_view text, int lo, int hi)
{
    const std::optional<int> v = parseInteger(text);
    return v && *v >= lo && *v <= hi ? v : std::nullopt;
}
