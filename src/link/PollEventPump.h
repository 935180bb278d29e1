#pragma once

#include "link/EventPump.h"

#include <vector>

// The core's event pump: blocks in poll(), used by the command-line tool, the
// simulator's tests and the core tests.
class PollEventPump final : public EventPump {
public:
    // Narrows the calling thread's timer slack, so that a wait for the line's silence
    // (1.75 ms at high speed) ends within microseconds of its deadline instead of the
    // kernel's default 50 µs later, once per request.
    PollEventPump();

    short waitReady(int fd, short events, Deadline deadline) override;
    void sleepUntil(Deadline deadline) override;
    void watchSocket(int fd, SocketEventSink& sink, bool connecting) override;
    void unwatchSocket(int fd) override;
    void runUntil(const std::function<bool()>& done, Deadline deadline) override;

private:
    struct Watch {
        int fd;
        SocketEventSink* sink;
        bool connecting;
    };
    std::vector<Watch> watches_;
};
