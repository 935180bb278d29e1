#include "settings/PasswordCoding.h"

std::int32_t encodePassword(const std::array<std::uint8_t, 4>& characters)
{
    std::uint32_t coded = 0;
    for (std::size_t i = 0; i < 4; ++i)
        coded |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(characters[i] + kPasswordFileKey[i])) << (8 * i);
    return static_cast<std::int32_t>(coded);
}

std::array<std::uint8_t, 4> decodePassword(std::uint32_t coded)
{
    std::array<std::uint8_t, 4> characters{};
    for (std::size_t i = 0; i < 4; ++i)
        characters[i] = static_cast<std::uint8_t>(((coded >> (8 * i)) & 0xFF) - kPasswordFileKey[i]);
    return characters;
}

bool isUsablePassword(const std::array<std::uint8_t, 4>& characters)
{
    for (std::uint8_t c : characters) {
        if (c < 'A' || c > 'Z')
            return false;
    }
    return true;
}
