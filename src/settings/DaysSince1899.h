#pragma once

#include <chrono>

// Local date and time as days since 30 December 1899 with the time of day as the
// fraction: the form configuration files carry their creation time in.
double localDaysSince1899(std::chrono::system_clock::time_point when);
