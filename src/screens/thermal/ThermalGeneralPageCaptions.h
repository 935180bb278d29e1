#pragma once

#include <array>
#include <string>

// The QLX700-T general page's own captions in one language (GeneralPageCaptions
// holds those every general page has).
struct ThermalGeneralPageCaptions {
    std::string membraneTest;
    std::string displayMode;
    std::array<std::string, 3> displayModeItems;
    std::string operatingFrequency;
    std::array<std::string, 2> operatingFrequencyItems;
    std::string deviceLanguage;
    std::array<std::string, 3> deviceLanguageItems;
    std::array<std::string, 3> measurementHeader;
    std::array<std::string, 4> windingMeasurementHeader;
};

ThermalGeneralPageCaptions thermalGeneralPageCaptions(int language);
