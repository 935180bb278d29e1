#include "RtuSlave.h"

#include "FrameWords.h"
#include "link/Crc16.h"

#include <algorithm>

namespace qlxsim {

namespace {

constexpr std::uint8_t kIllegalFunction = 1;
constexpr std::uint8_t kIllegalAddress = 2;
constexpr std::uint8_t kIllegalValue = 3;
constexpr std::uint16_t kMaxWriteCount = 145;

} // namespace

RtuSlave::RtuSlave(SimDevice& device, std::uint8_t address, std::uint16_t maxReadCount)
    : device_(device)
    , address_(address)
    , maxReadCount_(maxReadCount)
{
}

void RtuSlave::appendCrc(Frame& frame)
{
    const std::uint16_t crc = crc16Modbus(frame.data(), frame.size());
    frame.push_back(static_cast<std::uint8_t>(crc & 0xFF));
    frame.push_back(static_cast<std::uint8_t>(crc >> 8));
}

bool RtuSlave::crcOk(const Frame& frame)
{
    if (frame.size() < 4)
        return false;
    const std::uint16_t crc = crc16Modbus(frame.data(), frame.size() - 2);
    return frame[frame.size() - 2] == (crc & 0xFF) && frame[frame.size() - 1] == (crc >> 8);
}

Frame RtuSlave::exceptionReply(std::uint8_t address, std::uint8_t function, std::uint8_t code)
{
    Frame f{address, static_cast<std::uint8_t>(function | 0x80), code};
    appendCrc(f);
    return f;
}

bool RtuSlave::addressedToMe(const Frame& request) const
{
    return crcOk(request) && (request[0] == address_ || request[0] == 0);
}

RtuSlave::Outcome RtuSlave::handle(const Frame& request)
{
    Outcome out;
    if (!addressedToMe(request))
        return out;
    const std::uint8_t address = request[0];
    out.addressed = true;
    Frame reply;
    switch (request[1]) {
    case 3:
        reply = read(request);
        break;
    case 6:
        reply = writeSingle(request);
        break;
    case 16:
        reply = writeMultiple(request);
        break;
    default:
        reply = exceptionReply(address_, request[1], kIllegalFunction);
        break;
    }
    if (address != 0)
        out.reply = std::move(reply);
    return out;
}

Frame RtuSlave::read(const Frame& request)
{
    if (request.size() != 8)
        return exceptionReply(address_, 3, kIllegalValue);
    const std::uint16_t start = bigEndianAt(request, 2);
    const std::uint16_t count = bigEndianAt(request, 4);
    if (count == 0 || count > maxReadCount_)
        return exceptionReply(address_, 3, kIllegalValue);
    if (start + count > 0x10000)
        return exceptionReply(address_, 3, kIllegalAddress);
    // The byte count is one byte: above 127 registers it holds only the low 8 bits
    // of 2n, as an 8-bit field would. The tool never asks for more than 100.
    Frame reply{address_, 3, static_cast<std::uint8_t>((2 * count) & 0xFF)};
    for (std::uint16_t i = 0; i < count; ++i) {
        const auto value = device_.readWire(static_cast<std::uint16_t>(start + i), false);
        if (!value)
            return exceptionReply(address_, 3, kIllegalAddress);
        reply.push_back(static_cast<std::uint8_t>(*value >> 8));
        reply.push_back(static_cast<std::uint8_t>(*value & 0xFF));
    }
    appendCrc(reply);
    return reply;
}

Frame RtuSlave::writeSingle(const Frame& request)
{
    if (request.size() != 8)
        return exceptionReply(address_, 6, kIllegalValue);
    const auto result = device_.writeWire({{bigEndianAt(request, 2), bigEndianAt(request, 4)}}, false).front();
    if (result == SimDevice::WriteResult::Unknown)
        return exceptionReply(address_, 6, kIllegalAddress);
    if (result == SimDevice::WriteResult::Refused)
        return exceptionReply(address_, 6, kIllegalValue);
    return request;
}

Frame RtuSlave::writeMultiple(const Frame& request)
{
    if (request.size() < 9)
        return exceptionReply(address_, 16, kIllegalValue);
    const std::uint16_t start = bigEndianAt(request, 2);
    const std::uint16_t count = bigEndianAt(request, 4);
    const std::uint8_t bytes = request[6];
    if (count == 0 || count > kMaxWriteCount || bytes != 2 * count || request.size() != 9u + bytes)
        return exceptionReply(address_, 16, kIllegalValue);
    if (start + count > 0x10000)
        return exceptionReply(address_, 16, kIllegalAddress);
    SimDevice::Pairs pairs;
    for (std::uint16_t i = 0; i < count; ++i) {
        const auto wire = static_cast<std::uint16_t>(start + i);
        // An unknown register rejects the whole block before anything changes.
        if (!device_.readWire(wire, false))
            return exceptionReply(address_, 16, kIllegalAddress);
        pairs.emplace_back(wire, bigEndianAt(request, 7 + 2u * i));
    }
    const auto results = device_.writeWire(pairs, false);
    if (std::count(results.begin(), results.end(), SimDevice::WriteResult::Refused) > 0)
        return exceptionReply(address_, 16, kIllegalValue);
    Frame reply(request.begin(), request.begin() + 6);
    appendCrc(reply);
    return reply;
}

} // namespace qlxsim
