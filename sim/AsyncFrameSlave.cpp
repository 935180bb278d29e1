#include "AsyncFrameSlave.h"

#include "FrameWords.h"

#include <algorithm>

namespace qlxsim {

Frame AsyncFrameSlave::encode(std::uint16_t command, std::uint16_t sequence, std::uint16_t count, const Frame& items)
{
    Frame f{0x5D, 0x73, 0x91, 0xAD};
    appendLittleEndian(f, static_cast<std::uint16_t>(6 + items.size()));
    appendLittleEndian(f, command);
    appendLittleEndian(f, sequence);
    appendLittleEndian(f, count);
    f.insert(f.end(), items.begin(), items.end());
    return f;
}

Frame AsyncFrameSlave::registerData(std::uint16_t sequence, const std::vector<std::uint16_t>& wires, int extraCount)
{
    Frame items;
    const std::size_t n = std::min(wires.size(), kMaxPairs);
    for (std::size_t i = 0; i < n; ++i) {
        appendLittleEndian(items, wires[i]);
        // Over TCP there is no exception to give; an unknown register reads 0.
        appendLittleEndian(items, device_.readWire(wires[i], true).value_or(0));
    }
    return encode(kData, sequence, static_cast<std::uint16_t>(n + static_cast<std::size_t>(extraCount)), items);
}

std::optional<Frame> AsyncFrameSlave::handle(const AsyncFrame& request)
{
    if (request.command == kRead) {
        std::vector<std::uint16_t> wires;
        const std::size_t n = std::min<std::size_t>(request.count, request.items.size() / 2);
        for (std::size_t i = 0; i < n; ++i)
            wires.push_back(littleEndianAt(request.items, 2 * i));
        return registerData(request.sequence, wires);
    }
    if (request.command == kWrite) {
        SimDevice::Pairs pairs;
        const std::size_t n = std::min<std::size_t>(request.count, request.items.size() / 4);
        for (std::size_t i = 0; i < n; ++i)
            pairs.emplace_back(littleEndianAt(request.items, 4 * i), littleEndianAt(request.items, 4 * i + 2));
        std::uint16_t status = 0;
        for (const auto result : device_.writeWire(pairs, true)) {
            if (result == SimDevice::WriteResult::Unknown)
                status = kUnknown;
            else if (result == SimDevice::WriteResult::Refused && status == 0)
                status = kRefused;
        }
        return encode(kWrite, request.sequence, status, {});
    }
    return std::nullopt;
}

} // namespace qlxsim
