// The INI reader takes files from other machines and other programs: any bytes must
// parse without a crash, and what it writes must read back as the same content.
#include "settings/IniFile.h"
#include "settings/TextEncoding.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

// Windows-1252 holds the text (names and values) exactly.
bool fitsCp1252(const std::string& text)
{
    return cp1252ToUtf8(utf8ToCp1252(text)) == text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    IniFile ini;
    ini.parse(std::string_view(reinterpret_cast<const char*>(data), size));
    bool representable = true;
    for (const std::string& section : ini.sectionNames()) {
        representable = representable && fitsCp1252(section);
        for (const std::string& key : ini.keys(section)) {
            ini.readInteger(section, key, 0);
            const auto value = ini.value(section, key);
            if (!value)
                std::abort();
            representable = representable && fitsCp1252(key) && fitsCp1252(*value);
        }
    }
    const std::string once = ini.serialize();
    // Characters Windows-1252 lacks are written as '?', which may merge two names; and
    // Windows-1252 text whose accented letters happen to form valid UTF-8 reads back
    // as UTF-8 (the reader decides per file). The round trip holds for all else.
    bool ascii = true;
    for (char c : once)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (!representable || (!ascii && isValidUtf8(once)))
        return 0;
    IniFile again;
    again.parse(once);
    if (again.serialize() != once)
        std::abort();
    return 0;
}
