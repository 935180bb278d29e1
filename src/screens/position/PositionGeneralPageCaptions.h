#pragma once

#include <array>
#include <string>

// The QLX700-C general page's own captions in one language.
struct PositionGeneralPageCaptions {
    std::string measurementHeader;
    std::array<std::string, 5> measurementRows;
    std::array<std::string, 10> relayLabels;
    std::string deviceLanguage;
    std::array<std::string, 3> deviceLanguageItems;
    // Failure bits 0..3, then "no failure".
    std::array<std::string, 5> failures;
};

PositionGeneralPageCaptions positionGeneralPageCaptions(int language);
