#pragma once

#include <array>
#include <string>

// The QLX700-IRR records page's captions in one language.
struct IrrigationRecordsPageCaptions {
    // `recordGrid` row 0: time, pluviometer, hydrometer, temperature.
    std::array<std::string, 4> header;
    std::string eraseRecordsButton;
    std::string saveToFileButton;
};

IrrigationRecordsPageCaptions irrigationRecordsPageCaptions(int language);
