#pragma once

#include <array>
#include <string>

// The language index of the whole tool: 0 Portuguese, 1 English, 2 Spanish.
constexpr int kLanguageCount = 3;

// A stored or passed language outside the three known ones falls back to Portuguese,
// so the three-entry text tables are never indexed past their end.
constexpr int ValidLanguage(int language)
{
    return language >= 0 && language < kLanguageCount ? language : 0;
}

// One text of the user interface in the three languages.
struct LangText {
    const char* pt;
    const char* en;
    const char* es;

    std::string in(int language) const
    {
        switch (ValidLanguage(language)) {
        case 1:
            return en;
        case 2:
            return es;
        default:
            return pt;
        }
    }
};
