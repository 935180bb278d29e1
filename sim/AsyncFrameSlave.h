#pragma once

#include "AsyncRequestParser.h"
#include "SimDevice.h"

#include <optional>

namespace qlxsim {

// The device's answers on the asynchronous TCP link: a read (command 1) gets one
// register-data frame (command 2) with the same sequence; a write (command 10)
// is echoed with a status word in the count field, 0 when every pair was taken.
class AsyncFrameSlave {
public:
    static constexpr std::uint16_t kRead = 1;
    static constexpr std::uint16_t kData = 2;
    static constexpr std::uint16_t kWrite = 10;
    static constexpr std::size_t kMaxPairs = 498;
    static constexpr std::uint16_t kRefused = 3;
    static constexpr std::uint16_t kUnknown = 2;

    explicit AsyncFrameSlave(SimDevice& device) : device_(device) {}

    // Empty for frames the device does not answer.
    std::optional<Frame> handle(const AsyncFrame& request);

    static Frame encode(std::uint16_t command, std::uint16_t sequence, std::uint16_t count, const Frame& items);
    // Register data for `wires` with their current values (wire numbers as given).
    Frame registerData(std::uint16_t sequence, const std::vector<std::uint16_t>& wires, int extraCount = 0);

private:
    SimDevice& device_;
};

} // namespace qlxsim
