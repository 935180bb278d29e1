#pragma once

#include "screens/position/PositionIndicatorPageState.h"

#include <array>
#include <string>

// The position indicator page's captions in one language.
struct PositionIndicatorPageCaptions {
    std::string tapChanger;
    std::array<std::string, kPositionEditCount> labels;
    std::string readingMode;
    std::array<std::string, 2> readingModeItems;
};

PositionIndicatorPageCaptions positionIndicatorPageCaptions(int language);
