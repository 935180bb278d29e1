#include "link/AsyncFrame.h"

#include <algorithm>

namespace asyncframe {

namespace {

void putWord(std::vector<std::uint8_t>& out, std::uint16_t word)
{
    out.push_back(static_cast<std::uint8_t>(word & 0xFF));
    out.push_back(static_cast<std::uint8_t>(word >> 8));
}

std::uint16_t wordAt(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::vector<std::uint8_t> header(std::uint16_t command, std::uint16_t sequence, std::size_t count, std::size_t itemSize)
{
    std::vector<std::uint8_t> frame(std::begin(kMagic), std::end(kMagic));
    frame.reserve(kHeaderSize + kMinPayload + count * itemSize);
    putWord(frame, static_cast<std::uint16_t>(kMinPayload + count * itemSize));
    putWord(frame, command);
    putWord(frame, sequence);
    putWord(frame, static_cast<std::uint16_t>(count));
    return frame;
}

} // namespace

std::vector<std::uint8_t> buildRead(std::uint16_t sequence, std::span<const std::uint16_t> registers)
{
    std::vector<std::uint8_t> frame = header(kCommandRead, sequence, registers.size(), 2);
    for (std::uint16_t r : registers)
        putWord(frame, r);
    return frame;
}

std::vector<std::uint8_t> buildWrite(std::uint16_t sequence, std::span<const Pair> pairs)
{
    std::vector<std::uint8_t> frame = header(kCommandWrite, sequence, pairs.size(), 4);
    for (const Pair& p : pairs) {
        putWord(frame, p.reg);
        putWord(frame, p.value);
    }
    return frame;
}

std::uint16_t payloadCommand(std::span<const std::uint8_t> payload)
{
    return wordAt(payload, 0);
}

std::uint16_t payloadSequence(std::span<const std::uint8_t> payload)
{
    return wordAt(payload, 2);
}

std::optional<std::uint16_t> writeStatus(std::span<const std::uint8_t> payload)
{
    if (payload.size() < kMinPayload)
        return std::nullopt;
    return wordAt(payload, 4);
}

std::vector<Pair> registerDataPairs(std::span<const std::uint8_t> payload)
{
    if (payload.size() < kMinPayload)
        return {};
    const std::size_t carried = (payload.size() - kMinPayload) / 4;
    const std::size_t count = std::min<std::size_t>(wordAt(payload, 4), carried);
    std::vector<Pair> pairs;
    pairs.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = kMinPayload + 4 * i;
        pairs.push_back({wordAt(payload, at), wordAt(payload, at + 2)});
    }
    return pairs;
}

} // namespace asyncframe
