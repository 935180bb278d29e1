#pragma once

#include "app/TFrame.h"
#include "link/SerialLinkSettings.h"

#include <string>

// What every model's general page offers beyond a page: its connect road over a
// serial port (signature, initial reads, password), which the main window's demo
// uses to reach a page directly.
class TGeneralFrame : public TFrame {
public:
    // `serialButton`: through the serial-port button (the device's own serial
    // settings are then read-only), not the USB one.
    virtual bool ConectarSerial(const std::string& port, int address, bool serialButton,
                                const SerialLinkSettings& settings) = 0;
};
