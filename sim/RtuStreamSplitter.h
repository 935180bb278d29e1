#pragma once

#include "Frame.h"

#include <optional>

namespace qlxsim {

// Cuts the byte stream of a serial line into RTU requests. Functions 3 and 6
// have a fixed length and 16 carries its byte count; anything else is taken
// whole once the line has gone quiet, as a slave finds frames by the silence
// between them.
class RtuStreamSplitter {
public:
    void feed(const std::uint8_t* data, std::size_t size);
    std::optional<Frame> next();
    // The bytes left over after a silence: one frame of some other function, or noise.
    std::optional<Frame> takeAfterSilence();
    bool pending() const { return !buffer_.empty(); }

private:
    Frame buffer_;
};

} // namespace qlxsim
