#include "device/PasswordCheck.h"

#include <cctype>

bool passwordMatches(const RegisterImage& image, const std::string& typed)
{
    const auto first = typed.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return false;
    const auto last = typed.find_last_not_of(" \t\r\n");
    const std::string trimmed = typed.substr(first, last - first + 1);
    if (trimmed.size() < 4)
        return false;
    for (int i = 0; i < 4; ++i) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(trimmed[static_cast<std::size_t>(i)])));
        if (c != image.Password(i))
            return false;
    }
    return true;
}
