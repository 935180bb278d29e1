#pragma once

#include <array>
#include <cstdint>
#include <ctime>

namespace qlxsim {

// The device's real-time clock: the host's local time plus an offset that a
// write of the clock registers sets. Fields are hour, minute, second, day,
// month, year - 2000, as the device keeps them.
class DeviceClock {
public:
    using Fields = std::array<std::uint16_t, 6>;

    Fields now() const;
    // Seconds since 1970 on the device's own (local) clock.
    std::int64_t epochSeconds() const;
    // False when a field is out of range; the clock is then left as it was.
    bool set(const Fields& fields);
    bool setField(int index, std::uint16_t value);

private:
    static std::int64_t hostLocalSeconds();
    std::int64_t offset_ = 0;
};

} // namespace qlxsim
