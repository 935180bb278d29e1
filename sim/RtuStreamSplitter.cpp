#include "RtuStreamSplitter.h"

#include "RtuSlave.h"

namespace qlxsim {

namespace {

// Length of the request of a served function starting at `at`, 0 when it cannot
// be told yet or the function is not one the device serves.
std::size_t lengthAt(const Frame& buffer, std::size_t at)
{
    if (buffer.size() < at + 2)
        return 0;
    switch (buffer[at + 1]) {
    case 3:
    case 6:
        return 8;
    case 16:
        return buffer.size() < at + 7 ? 0 : 9u + buffer[at + 6];
    default:
        return 0;
    }
}

bool frameAt(const Frame& buffer, std::size_t at, std::size_t length)
{
    if (length == 0 || buffer.size() < at + length)
        return false;
    const Frame candidate(buffer.begin() + static_cast<std::ptrdiff_t>(at),
                          buffer.begin() + static_cast<std::ptrdiff_t>(at + length));
    return RtuSlave::crcOk(candidate);
}

} // namespace

void RtuStreamSplitter::feed(const std::uint8_t* data, std::size_t size)
{
    buffer_.insert(buffer_.end(), data, data + size);
}

std::optional<Frame> RtuStreamSplitter::next()
{
    while (buffer_.size() >= 2) {
        const std::size_t length = lengthAt(buffer_, 0);
        if (frameAt(buffer_, 0, length)) {
            Frame frame(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(length));
            buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(length));
            return frame;
        }
        if (length != 0 && buffer_.size() < length)
            return std::nullopt;
        // Not a frame at the front (noise, or a function we do not serve): skip to
        // the first complete request further on, if there is one already.
        std::size_t skip = 0;
        for (std::size_t at = 1; at + 2 <= buffer_.size() && skip == 0; ++at)
            if (frameAt(buffer_, at, lengthAt(buffer_, at)))
                skip = at;
        if (skip == 0)
            return std::nullopt;
        buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(skip));
    }
    return std::nullopt;
}

std::optional<Frame> RtuStreamSplitter::takeAfterSilence()
{
    if (buffer_.empty())
        return std::nullopt;
    Frame frame;
    frame.swap(buffer_);
    return frame;
}

} // namespace qlxsim
