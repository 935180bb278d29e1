#pragma once

#include <cstdint>

// Speed and format of a serial link, as the connection dialog returns them.
// Parity code: 0 none, 1 even, 2 odd, other = keep the driver's setting.
// Stop-bits code: 0 one, 1 one and a half, 2 two, other = keep the driver's setting.
struct SerialLinkSettings {
    std::int32_t baudRate = 9600;
    std::uint8_t parity = 0;
    std::uint8_t stopBits = 0;
};
