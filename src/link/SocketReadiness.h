#pragma once

#include <cstdint>

// Turns what poll() (or a socket notifier) reports for a watched stream socket into
// the link's socket event word: connect once a pending connection completes, read
// while bytes are pending, close when the peer ended the connection or it failed.
// Returns 0 when there is nothing to report. `connecting` is cleared by the connect
// event. Both the core's pump and the GUI's pump use it, so they report alike.
std::uint32_t socketEventFromReadiness(int fd, short revents, bool& connecting);
