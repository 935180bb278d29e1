#pragma once

#include <array>
#include <string>

// The QLX700-IRR general page's captions in one language.
struct IrrigationGeneralPageCaptions {
    // `measurementGrid` column 0; rows 0, 8 and 9 are empty.
    std::array<std::string, 10> measurementRows;
    // Fixed labels under lamps 1, 7, 8, 9 and 10 (pump, block, water, pressure switch, failure).
    std::array<std::string, 5> lampLabels;
    std::string manualOperationButton;
    std::string resetHydrometerButton, resetPluviometerButton, unblockSystemButton, emergencyButton;
    // The device language group's title and items.
    std::string deviceLanguage;
    std::array<std::string, 3> deviceLanguageItems;
    // Row 7: the texts of alarm bits 0..5 of 1001, no valve on, all well.
    std::array<std::string, 6> alarms;
    std::string noActiveValve;
    std::string systemOk;
};

IrrigationGeneralPageCaptions irrigationGeneralPageCaptions(int language);
