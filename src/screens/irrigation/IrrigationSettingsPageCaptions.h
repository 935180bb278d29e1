#pragma once

#include "screens/irrigation/IrrigationSettingsPageState.h"

#include <array>
#include <string>

// The irrigation settings page's captions in one language.
struct IrrigationSettingsPageCaptions {
    // cycleBox, generalBox, pumpBox, sensorsBox.
    std::array<std::string, 4> groups;
    std::array<std::string, 5> cycleItems;
    // The label before each edit (none before the minutes) and the unit after it.
    std::array<std::string, kIrrEditCount> labels;
    std::array<std::string, kIrrEditCount> units;
    std::array<std::string, kIrrCheckCount> checks;
    std::array<std::string, kIrrRadioCount> radioTitles;
    std::array<std::array<std::string, 2>, kIrrRadioCount> radioItems;
    // Followed by the text of the refused edit.
    std::string invalidValue;
};

IrrigationSettingsPageCaptions irrigationSettingsPageCaptions(int language);
