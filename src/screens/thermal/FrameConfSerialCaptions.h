#pragma once

#include "screens/thermal/FrameConfSerialState.h"

#include <array>
#include <string>
#include <vector>

// The captions of the serial page in one language.
struct FrameConfSerialCaptions {
    std::string lblIndice;
    std::string gbModBus, gbDNP3;
    std::array<std::string, kSerialRadioCount> radioTitles;
    std::array<std::vector<std::string>, kSerialRadioCount> radioItems;
    std::array<std::string, kSerialEditCount> editLabels;
    std::string lblNaoPodeModificar;
};

FrameConfSerialCaptions frameConfSerialCaptions(int language);
