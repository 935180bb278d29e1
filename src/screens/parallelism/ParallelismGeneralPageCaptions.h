#pragma once

#include <array>
#include <string>
#include <vector>

// The QLX700-P general page's own captions and texts in one language.
struct ParallelismGeneralPageCaptions {
    std::array<std::string, 8> measurementRows;
    // Modes 0..3, then "unknown".
    std::array<std::string, 5> modes;
    // Texts of the listed bits of 1960..1964, by register and bit.
    std::array<std::vector<std::string>, 5> errorBits;
    std::string noError;
    // Relays 1..6 and 10; relays 7..9 show their function.
    std::array<std::string, 10> relayLabels;
    // Functions of values 0-1, 2-3, 4-5, 6-7, 8-9.
    std::array<std::string, 5> relayFunctions;
    std::string positionUp, positionDown;
    std::string deviceLanguage;
    std::array<std::string, 3> deviceLanguageItems;
};

ParallelismGeneralPageCaptions parallelismGeneralPageCaptions(int language);

// The texts of an error register's set bits joined by "; ", or "no error".
std::string parallelismErrorText(const ParallelismGeneralPageCaptions& captions, int group, int bits);
