#include "app/TextRegisters.h"

#include <algorithm>

std::vector<std::uint16_t> textToRegisters(std::string_view bytes, int count)
{
    std::vector<std::uint16_t> words(static_cast<std::size_t>(count), 0);
    const std::size_t n = std::min(bytes.size(), words.size() * 2);
    for (std::size_t i = 0; i < n; ++i) {
        const auto b = static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[i]));
        words[i / 2] |= i % 2 == 0 ? b : static_cast<std::uint16_t>(b << 8);
    }
    return words;
}
