#pragma once

#include "link/AsyncFrame.h"
#include "link/LinkError.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// Which request, if any, a frame from the device answers. One request is in flight at
// a time; its reply carries its sequence number. The device may also push register data
// of its own (kept, as it is what the device holds), but a late reply to a request
// that already gave up is dropped whole: the device may have changed since.
class AsyncReplyMatcher {
public:
    enum class Verdict {
        Reply,  // answers the request in flight
        Other,  // unsolicited: register data goes to the image
        Late,   // answers a request that gave up: dropped
    };

    void begin(std::uint16_t sequence);
    // The request in flight got no answer in time.
    void abandon();
    void end() { inFlight_ = false; }
    // A new connection: nothing of the old one can arrive.
    void reset();

    Verdict classify(std::span<const std::uint8_t> payload) const;

private:
    bool inFlight_ = false;
    std::uint16_t sequence_ = 0;
    std::array<std::uint16_t, 32> abandoned_{};
    std::size_t abandonedCount_ = 0;
};

// Whether a reply payload answers a read of `registers`: register data with a pair for
// each register asked and none for another. On success `values` (when given) gets the
// values in the order asked.
LinkError checkReadReply(std::span<const std::uint8_t> payload, std::span<const std::uint16_t> registers,
                         std::vector<std::uint16_t>* values);
