#pragma once

#include "screens/thermal/CurrentOutputsPageState.h"

#include <array>
#include <string>

// The captions of the current output page in one language; the full scale is the
// voltage full scale on the QLX700-R.
struct CurrentOutputsPageCaptions {
    std::string range;
    std::array<std::string, 5> rangeItems;
    std::string fixedRangePanel;
    std::string fullScaleLabel;
    std::string currentFullScaleLabel;
    std::array<std::string, CurrentOutputsPageState::kOutputCount> outputChannelLabels;
};

CurrentOutputsPageCaptions currentOutputsPageCaptions(int language, bool regulator);
