#include "support/RegisterPeer.h"

#include "link/Crc16.h"

#include <utility>

namespace {

std::uint16_t word(const Bytes& b, std::size_t at)
{
    return static_cast<std::uint16_t>(b[at] << 8 | b[at + 1]);
}

Bytes exception(std::uint8_t slave, std::uint8_t function, std::uint8_t code)
{
    return withCrc({slave, static_cast<std::uint8_t>(function | 0x80), code});
}

} // namespace

RegisterPeer::RegisterPeer(std::uint8_t slave)
    : slave_(slave)
{
}

PtyPeer::Handler RegisterPeer::handler()
{
    return [this](const Bytes& request) { return reply(request); };
}

void RegisterPeer::set(std::uint16_t address, std::uint16_t value)
{
    std::lock_guard lock(mutex_);
    registers_[address] = value;
}

std::uint16_t RegisterPeer::get(std::uint16_t address) const
{
    std::lock_guard lock(mutex_);
    const auto it = registers_.find(address);
    return it == registers_.end() ? 0 : it->second;
}

Bytes RegisterPeer::reply(const Bytes& request)
{
    Bytes answer = answerOf(request);
    std::lock_guard lock(mutex_);
    if (answer.empty())
        return answer;
    Bytes out = std::exchange(before, {});
    out.insert(out.end(), answer.begin(), answer.end());
    if (duplicate)
        out.insert(out.end(), answer.begin(), answer.end());
    return out;
}

Bytes RegisterPeer::answerOf(const Bytes& request)
{
    std::lock_guard lock(mutex_);
    if (silent || request.size() < 4 || request[0] != slave_)
        return {};
    const std::uint16_t crc = crc16Modbus(request.data(), request.size() - 2);
    if (request[request.size() - 2] != (crc & 0xFF) || request[request.size() - 1] != (crc >> 8))
        return {};
    const std::uint8_t function = request[1];
    const std::uint16_t address = word(request, 2);
    if (function == 3) {
        int count = word(request, 4);
        if (shortReplyCount > 0) {
            count = shortReplyCount;
            shortReplyCount = 0;
        }
        Bytes frame{slave_, 3, static_cast<std::uint8_t>(2 * count)};
        for (int i = 0; i < count; ++i) {
            const auto it = registers_.find(static_cast<std::uint16_t>(address + i));
            const std::uint16_t v = it == registers_.end() ? 0 : it->second;
            frame.push_back(static_cast<std::uint8_t>(v >> 8));
            frame.push_back(static_cast<std::uint8_t>(v & 0xFF));
        }
        if (badByteCount) {
            badByteCount = false;
            frame[2] = static_cast<std::uint8_t>(frame[2] + 2);
        }
        return withCrc(frame);
    }
    if (function == 6) {
        if (refused.count(address))
            return exception(slave_, 6, 3);
        if (!sticky.count(address))
            registers_[address] = word(request, 4);
        Bytes echo(request.begin(), request.end() - 2);
        if (commandEcho && (address & 0x7FFF) == 3000) {
            echo[4] = static_cast<std::uint8_t>(*commandEcho >> 8);
            echo[5] = static_cast<std::uint8_t>(*commandEcho & 0xFF);
        }
        return withCrc(echo);
    }
    if (function == 16) {
        const int count = word(request, 4);
        for (int i = 0; i < count; ++i) {
            if (refused.count(static_cast<std::uint16_t>(address + i)))
                return exception(slave_, 16, 3);
        }
        for (int i = 0; i < count; ++i) {
            const auto a = static_cast<std::uint16_t>(address + i);
            if (!sticky.count(a))
                registers_[a] = word(request, 7 + 2 * static_cast<std::size_t>(i));
        }
        return withCrc(Bytes(request.begin(), request.begin() + 6));
    }
    return exception(slave_, function, 1);
}
