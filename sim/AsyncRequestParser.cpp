#include "AsyncRequestParser.h"

#include "FrameWords.h"

#include <algorithm>
#include <array>

namespace qlxsim {

namespace {

constexpr std::array<std::uint8_t, 4> kMagic{0x5D, 0x73, 0x91, 0xAD};
constexpr std::size_t kHeader = 6;    // magic and length
constexpr std::size_t kMinPayload = 6; // command, sequence, count

} // namespace

void AsyncRequestParser::feed(const std::uint8_t* data, std::size_t size)
{
    buffer_.insert(buffer_.end(), data, data + size);
}

std::optional<AsyncFrame> AsyncRequestParser::next()
{
    for (;;) {
        const auto magic = std::search(buffer_.begin(), buffer_.end(), kMagic.begin(), kMagic.end());
        if (magic == buffer_.end()) {
            // Keep a tail that may be the start of a magic split across reads.
            const std::size_t keep = std::min<std::size_t>(buffer_.size(), kMagic.size() - 1);
            buffer_.erase(buffer_.begin(), buffer_.end() - static_cast<std::ptrdiff_t>(keep));
            return std::nullopt;
        }
        buffer_.erase(buffer_.begin(), magic);
        if (buffer_.size() < kHeader)
            return std::nullopt;
        const std::size_t length = littleEndianAt(buffer_, 4);
        if (length > kMaxPayload || length < kMinPayload) {
            buffer_.erase(buffer_.begin());
            continue;
        }
        if (buffer_.size() < kHeader + length)
            return std::nullopt;
        AsyncFrame frame;
        frame.command = littleEndianAt(buffer_, 6);
        frame.sequence = littleEndianAt(buffer_, 8);
        frame.count = littleEndianAt(buffer_, 10);
        frame.items.assign(buffer_.begin() + 12, buffer_.begin() + static_cast<std::ptrdiff_t>(kHeader + length));
        buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(kHeader + length));
        return frame;
    }
}

} // namespace qlxsim
