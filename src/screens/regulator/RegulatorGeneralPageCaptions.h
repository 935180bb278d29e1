#pragma once

#include <array>
#include <string>

// The QLX700-R general page's own captions in one language (GeneralPageCaptions
// holds those every general page has).
struct RegulatorGeneralPageCaptions {
    std::string resetMaxMinCount, positionUp, positionDown;
    std::string indicationMode;
    std::array<std::string, 5> indicationModeItems;
    std::string deviceLanguage;
    std::array<std::string, 3> deviceLanguageItems;
    // Header of column 1 of measurementGrid; the other header cells are empty.
    std::string measurementHeader;
    // Row names of rows 1..9 of the two grids.
    std::array<std::string, 9> measurementRows;
    std::array<std::string, 9> secondMeasurementRows;
    std::array<std::string, 10> relayLabels;
};

RegulatorGeneralPageCaptions regulatorGeneralPageCaptions(int language);
