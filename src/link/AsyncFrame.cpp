#include "link/AsyncFrame.h"

#include "link/ByteOrder.h"

#include <algorithm>

namespace asyncframe {

namespace {

std::vector<std::uint8_t> header(std::uint16_t command, std::uint16_t sequence, std::size_t count, std::size_t itemSize)
{
    std::vector<std::uint8_t> frame(std::begin(kMagic), std::end(kMagic));
    frame.reserve(kHeaderSize + kMinPayload + count * itemSize);
    appendLittleEndianWord(frame, static_cast<std::uint16_t>(kMinPayload + count * itemSize));
    appendLittleEndianWord(frame, command);
    appendLittleEndianWord(frame, sequence);
    appendLittleEndianWord(frame, static_cast<std::uint16_t>(count));
    return frame;
}

} // namespace

std::vector<std::uint8_t> buildRead(std::uint16_t sequence, std::span<const std::uint16_t> registers)
{
    std::vector<std::uint8_t> frame = header(kCommandRead, sequence, registers.size(), 2);
    for (std::uint16_t r : registers)
        appendLittleEndianWord(frame, r);
    return frame;
}

std::vector<std::uint8_t> buildWrite(std::uint16_t sequence, std::span<const Pair> pairs)
{
    std::vector<std::uint8_t> frame = header(kCommandWrite, sequence, pairs.size(), 4);
    for (const Pair& p : pairs) {
        appendLittleEndianWord(frame, p.reg);
        appendLittleEndianWord(frame, p.value);
    }
    return frame;
}

std::uint16_t payloadCommand(std::span<const std::uint8_t> payload)
{
    return littleEndianWord(payload.data());
}

std::uint16_t payloadSequence(std::span<const std::uint8_t> payload)
{
    return littleEndianWord(payload.data() + 2);
}

std::optional<std::uint16_t> writeStatus(std::span<const std::uint8_t> payload)
{
    if (payload.size() < kMinPayload)
        return std::nullopt;
    return littleEndianWord(payload.data() + 4);
}

std::vector<Pair> registerDataPairs(std::span<const std::uint8_t> payload)
{
    if (payload.size() < kMinPayload)
        return {};
    const std::size_t carried = (payload.size() - kMinPayload) / 4;
    const std::size_t count = std::min<std::size_t>(littleEndianWord(payload.data() + 4), carried);
    std::vector<Pair> pairs;
    pairs.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = kMinPayload + 4 * i;
        pairs.push_back({littleEndianWord(payload.data() + at), littleEndianWord(payload.data() + at + 2)});
    }
    return pairs;
}

} // namespace asyncframe
