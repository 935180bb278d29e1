#pragma once

#include <chrono>

class EventPump;

// After a write the regulator's settings pages wait this long before showing what
// the device now holds.
inline constexpr std::chrono::milliseconds kRegulatorSettle{300};

void regulatorSettle(EventPump& pump);
