#pragma once

#include "Frame.h"

#include <cstdint>
#include <optional>

namespace qlxsim {

// One frame of the asynchronous TCP framing: magic 5D 73 91 AD, a little-endian
// length of the bytes that follow it, then command, sequence, count and items.
struct AsyncFrame {
    std::uint16_t command = 0;
    std::uint16_t sequence = 0;
    std::uint16_t count = 0;
    Frame items;
};

// Finds frames in the TCP byte stream. A declared length above the 2000-byte
// payload limit (or too short to hold the header) is not a frame; the parser
// then hunts for the next magic.
class AsyncRequestParser {
public:
    static constexpr std::size_t kMaxPayload = 2000;

    void feed(const std::uint8_t* data, std::size_t size);
    std::optional<AsyncFrame> next();

private:
    Frame buffer_;
};

} // namespace qlxsim
