#include "settings/MonotonicClock.h"

#include <chrono>

namespace {

std::chrono::steady_clock::time_point& startTime()
{
    static std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
    return start;
}

} // namespace

void StartClock()
{
    startTime() = std::chrono::steady_clock::now();
}

double ElapsedDays()
{
    const std::chrono::duration<double> since = std::chrono::steady_clock::now() - startTime();
    return since.count() / 86400.0;
}
