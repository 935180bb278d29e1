#include "link/AsyncFrameParser.h"

#include <utility>

AsyncFrameParser::AsyncFrameParser(FrameHandler onFrame)
    : onFrame_(std::move(onFrame))
{
}

void AsyncFrameParser::reset()
{
    state_ = 0;
    length_ = 0;
    count_ = 0;
}

void AsyncFrameParser::feed(std::span<const std::uint8_t> bytes)
{
    for (std::uint8_t b : bytes)
        take(b);
}

void AsyncFrameParser::take(std::uint8_t byte)
{
    switch (state_) {
    case 0:
    case 1:
    case 2:
    case 3:
        // The device's own parser skips a stray byte without starting over, and we
        // accept the magic the way it sends it.
        if (byte == asyncframe::kMagic[state_])
            ++state_;
        return;
    case 4:
        length_ = byte;
        state_ = 5;
        return;
    case 5:
        length_ |= static_cast<std::size_t>(byte) << 8;
        count_ = 0;
        if (length_ < asyncframe::kMinPayload || length_ > asyncframe::kMaxPayload) {
            ++dropped_;
            state_ = 0;
            return;
        }
        state_ = 6;
        return;
    default:
        payload_[count_++] = byte;
        if (count_ < length_)
            return;
        state_ = 0;
        onFrame_(std::span<const std::uint8_t>(payload_.data(), length_));
        return;
    }
}
