#pragma once

#include "screens/irrigation/FrameConfQLX700IRRState.h"

#include <array>
#include <string>

// The irrigation settings page's captions in one language.
struct FrameConfQLX700IRRCaptions {
    // gbCiclo, gbGeral, gbBomba, gbSensors.
    std::array<std::string, 4> groups;
    std::array<std::string, 5> cbCicloItems;
    // The label before each edit (none before the minutes) and the unit after it.
    std::array<std::string, kIrrEditCount> labels;
    std::array<std::string, kIrrEditCount> units;
    std::array<std::string, kIrrCheckCount> checks;
    std::array<std::string, kIrrRadioCount> radioTitles;
    std::array<std::array<std::string, 2>, kIrrRadioCount> radioItems;
    // Followed by the text of the refused edit.
    std::string valorInvalido;
};

FrameConfQLX700IRRCaptions frameConfQLX700IRRCaptions(int language);
