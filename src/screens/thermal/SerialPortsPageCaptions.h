#pragma once

#include "screens/thermal/SerialPortsPageState.h"

#include <array>
#include <string>
#include <vector>

// The captions of the serial page in one language.
struct SerialPortsPageCaptions {
    std::string portLabel;
    std::string modbusBox, dnp3Box;
    std::array<std::string, kSerialRadioCount> radioTitles;
    std::array<std::vector<std::string>, kSerialRadioCount> radioItems;
    std::array<std::string, kSerialEditCount> editLabels;
    std::string readOnlyNoticeLabel;
};

SerialPortsPageCaptions serialPortsPageCaptions(int language);
