#pragma once

#include <array>
#include <string>

// What the events and maxima page's view draws.
struct EventsPageState {
    // `maximaGrid` rows 1..9 (windings 1..3, RTDs 1..6), columns 1..3: maximum,
    // time stamp, its date and time. Empty where this connection read nothing.
    std::array<std::array<std::string, 3>, 9> maxima{};
    std::string eventCountText;
    std::string eventInterval;
};
