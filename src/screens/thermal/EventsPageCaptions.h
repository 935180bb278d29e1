#pragma once

#include <array>
#include <string>

// The captions of the events and maxima page in one language.
struct EventsPageCaptions {
    std::array<std::string, 3> header;
    std::array<std::string, 9> rows;
    std::string resetMaximaButton, downloadEventsButton, eraseEventsButton;
    std::string eventIntervalLabel;
    std::string eventCountText;
};

EventsPageCaptions eventsPageCaptions(int language);
