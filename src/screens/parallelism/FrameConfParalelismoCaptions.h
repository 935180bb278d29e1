#pragma once

#include "screens/parallelism/FrameConfParalelismoState.h"

#include <array>
#include <string>
#include <vector>

// The parallelism page's captions in one language.
struct FrameConfParalelismoCaptions {
    std::array<std::string, kParalelismoEditCount> labels;
    std::array<std::string, kParalelismoRadioCount> radioTitles;
    std::array<std::vector<std::string>, kParalelismoRadioCount> radioItems;
};

FrameConfParalelismoCaptions frameConfParalelismoCaptions(int language);
