#include "DeviceClock.h"

namespace qlxsim {

std::int64_t DeviceClock::hostLocalSeconds()
{
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return static_cast<std::int64_t>(timegm(&local));
}

std::int64_t DeviceClock::epochSeconds() const
{
    return hostLocalSeconds() + offset_;
}

DeviceClock::Fields DeviceClock::now() const
{
    const std::time_t t = static_cast<std::time_t>(epochSeconds());
    std::tm tm{};
    gmtime_r(&t, &tm);
    return {static_cast<std::uint16_t>(tm.tm_hour), static_cast<std::uint16_t>(tm.tm_min),
            static_cast<std::uint16_t>(tm.tm_sec), static_cast<std::uint16_t>(tm.tm_mday),
            static_cast<std::uint16_t>(tm.tm_mon + 1),
            static_cast<std::uint16_t>(tm.tm_year + 1900 - 2000)};
}

bool DeviceClock::set(const Fields& f)
{
    if (f[0] > 23 || f[1] > 59 || f[2] > 59 || f[3] < 1 || f[3] > 31 || f[4] < 1 || f[4] > 12 || f[5] > 99)
        return false;
    std::tm tm{};
    tm.tm_hour = f[0];
    tm.tm_min = f[1];
    tm.tm_sec = f[2];
    tm.tm_mday = f[3];
    tm.tm_mon = f[4] - 1;
    tm.tm_year = f[5] + 100;
    offset_ = static_cast<std::int64_t>(timegm(&tm)) - hostLocalSeconds();
    return true;
}

bool DeviceClock::setField(int index, std::uint16_t value)
{
    Fields f = now();
    f[static_cast<std::size_t>(index)] = value;
    return set(f);
}

} // namespace qlxsim
