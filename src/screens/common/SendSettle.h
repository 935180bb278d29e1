#pragma once

#include <chrono>

class EventPump;

// After sending its controls a settings page waits this long before showing what the
// device now holds.
inline constexpr std::chrono::milliseconds kSendSettle{300};

void settleAfterSend(EventPump& pump);
