#pragma once

#include "screens/common/RelayLamp.h"

#include <array>
#include <string>

// What the QLX700-P general page's view draws beyond the shared panels.
struct ParallelismGeneralPageState {
    // `measurementGrid` column 1, rows 1..8: position, expected position, mode, the five error groups.
    std::array<std::string, 8> measurements{};
    std::array<RelayLamp, 10> relays{};
    std::array<std::string, 10> relayLabels{};
    bool relayLabelsVisible = false;
    int deviceLanguage = -1;
};
