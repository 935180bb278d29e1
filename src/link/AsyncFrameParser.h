#pragma once

#include "link/AsyncFrame.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

// Push parser of the asynchronous TCP framing. It does no I/O: the link feeds it the
// bytes of every data event, and it keeps its state in between, so a frame may
// arrive in any number of pieces. Each complete frame's payload goes to the handler.
//
// The device's framing has no checksum, so the parser is strict about what it can
// check: a declared length below the fixed payload fields or above the payload
// buffer cannot be a frame, and the parser drops it and looks for the next magic.
class AsyncFrameParser {
public:
    using FrameHandler = std::function<void(std::span<const std::uint8_t> payload)>;

    explicit AsyncFrameParser(FrameHandler onFrame);

    void feed(std::span<const std::uint8_t> bytes);
    // Forgets a partly received frame (a new connection starts clean).
    void reset();

    // 0..3 waiting for magic byte n, 4 and 5 the length bytes, 6 the payload.
    int state() const { return state_; }
    // Frames dropped for an impossible length since creation.
    std::size_t droppedFrames() const { return dropped_; }

private:
    void take(std::uint8_t byte);

    FrameHandler onFrame_;
    int state_ = 0;
    std::size_t length_ = 0;
    std::size_t count_ = 0;
    std::size_t dropped_ = 0;
    std::array<std::uint8_t, asyncframe::kMaxPayload> payload_{};
};
