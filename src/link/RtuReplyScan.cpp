#include "link/RtuReplyScan.h"

#include "link/ByteOrder.h"
#include "link/RtuFrame.h"

namespace rtu {

namespace {

// The length of the frame that starts at data[0], or 0 when it cannot be one.
std::size_t frameLength(const std::uint8_t* data, std::size_t size, const Expectation& e, bool& needHeader)
{
    const std::uint8_t function = data[1];
    if (function & 0x80)
        return 5;
    if (function == 6 || function == 16)
        return 8;
    if (function != 3)
        return 0;
    if (size < 3) {
        needHeader = true;
        return 3;
    }
    // Past 127 registers the one-byte count wraps: only the exact length proves it.
    const std::size_t full = 2u * e.count;
    if (e.function == 3 && full > 255 && data[2] == (full & 0xFF))
        return full + 5;
    return data[2] + 5u;
}

} // namespace

ScanStep scanReply(const std::uint8_t* data, std::size_t size, const Expectation& e)
{
    if (size == 0)
        return {ScanKind::NeedMore, 1};
    if (data[0] != e.slave)
        return {ScanKind::Skip, 1};
    if (size < 2)
        return {ScanKind::NeedMore, 2};
    bool needHeader = false;
    const std::size_t length = frameLength(data, size, e, needHeader);
    if (length == 0)
        return {ScanKind::Skip, 1};
    if (needHeader || size < length)
        return {ScanKind::NeedMore, length};
    if (!crcValid(data, length))
        return {ScanKind::Skip, 1, true};

    const std::uint8_t function = data[1];
    if (function == (e.function | 0x80))
        return {ScanKind::Exception, length};
    if (function != e.function)
        return {ScanKind::Skip, length};
    if (function == 3) {
        const std::size_t full = 2u * e.count + 5;
        if (length == full)
            return {ScanKind::Answer, length};
        if (length < full && data[2] % 2 == 0)
            return {ScanKind::ShortAnswer, length};
        return {ScanKind::Skip, length};
    }
    // An echo names the register (and, for a block, the count) it answers.
    if (bigEndianWord(data + 2) != e.address || (function == 16 && bigEndianWord(data + 4) != e.count))
        return {ScanKind::Skip, length};
    return {ScanKind::Answer, length};
}

} // namespace rtu
