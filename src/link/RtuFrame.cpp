#include "link/RtuFrame.h"

#include "link/ByteOrder.h"
#include "link/Crc16.h"

namespace rtu {

namespace {

std::size_t appendCrc(std::uint8_t* frame, std::size_t length)
{
    const std::uint16_t crc = crc16Modbus(frame, length);
    frame[length] = static_cast<std::uint8_t>(crc & 0xFF);
    frame[length + 1] = static_cast<std::uint8_t>(crc >> 8);
    return length + 2;
}

} // namespace

std::size_t buildRead(std::uint8_t* out, std::uint8_t slave, std::uint16_t address, std::uint16_t count)
{
    out[0] = slave;
    out[1] = 3;
    putBigEndianWord(out + 2, address);
    putBigEndianWord(out + 4, count);
    return appendCrc(out, 6);
}

std::size_t buildWriteSingle(std::uint8_t* out, std::uint8_t slave, std::uint16_t address, std::uint16_t value)
{
    out[0] = slave;
    out[1] = 6;
    putBigEndianWord(out + 2, address);
    putBigEndianWord(out + 4, value);
    return appendCrc(out, 6);
}

std::size_t buildWriteMultiple(std::uint8_t* out, std::uint8_t slave, std::uint16_t address,
                               std::span<const std::uint16_t> values)
{
    out[0] = slave;
    out[1] = 16;
    putBigEndianWord(out + 2, address);
    putBigEndianWord(out + 4, static_cast<std::uint16_t>(values.size()));
    out[6] = static_cast<std::uint8_t>(2 * values.size());
    std::size_t at = 7;
    for (std::uint16_t v : values) {
        putBigEndianWord(out + at, v);
        at += 2;
    }
    return appendCrc(out, at);
}

bool crcValid(const std::uint8_t* frame, std::size_t length)
{
    if (length < 3)
        return false;
    const std::uint16_t crc = crc16Modbus(frame, length - 2);
    return frame[length - 2] == (crc & 0xFF) && frame[length - 1] == (crc >> 8);
}

} // namespace rtu
