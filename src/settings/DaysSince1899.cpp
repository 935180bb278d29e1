#include "settings/DaysSince1899.h"

#include <ctime>

namespace {
constexpr double kDaysFrom1899To1970 = 25569.0;
}

double localDaysSince1899(std::chrono::system_clock::time_point when)
{
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
    localtime_r(&seconds, &local);
    const double fraction = std::chrono::duration<double>(when - std::chrono::system_clock::from_time_t(seconds)).count();
    const double localSeconds = static_cast<double>(seconds) + static_cast<double>(local.tm_gmtoff) + fraction;
    return kDaysFrom1899To1970 + localSeconds / 86400.0;
}
