#pragma once

#include "screens/common/RelayLamp.h"

#include <array>
#include <string>

// What the QLX700-C general page's view draws beyond the shared panels.
struct PositionGeneralPageState {
    // `measurementGrid` column 1, rows 1..5: resistance, current, position, indication, failure.
    std::array<std::string, 5> measurements{};
    std::array<RelayLamp, 10> relays{};
    int deviceLanguage = -1;
};
