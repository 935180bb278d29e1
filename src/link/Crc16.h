#pragma once

#include <cstddef>
#include <cstdint>

// Modbus CRC-16: reflected polynomial 0xA001, initial value 0xFFFF, no final
// inversion. On the wire it goes low byte first.
std::uint16_t crc16Modbus(const std::uint8_t* data, std::size_t length);
