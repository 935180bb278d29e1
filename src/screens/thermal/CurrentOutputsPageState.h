#pragma once

#include <array>
#include <string>
#include <vector>

// What the current output page's view draws.
struct CurrentOutputsPageState {
    static constexpr int kOutputCount = 4;

    // The range group (`range`: item index, -1 none), or in its place the fixed 0-1 mA panel.
    bool rangeVisible = false;
    int range = -1;
    bool fixedRangePanelVisible = false;
    bool fullScaleVisible = false;
    std::string fullScale;
    bool currentFullScaleVisible = false;
    std::string currentFullScale;
    // The channel that drives each output (its channel list): entry index, -1 none.
    std::array<bool, kOutputCount> outputVisible{};
    std::array<int, kOutputCount> outputChannels{-1, -1, -1, -1};
    // The entries of the four lists.
    std::vector<std::string> channelNames;
};
