#pragma once

#include "link/PollEventPump.h"

#include <functional>
#include <utility>
#include <vector>

// The core's pump, recording every pause the link asks for, so tests can check the
// settle delays and retry pauses without timing them.
class RecordingPump final : public EventPump {
public:
    short waitReady(int fd, short events, Deadline deadline) override
    {
        if (duringWait)
            std::exchange(duringWait, nullptr)();
        return inner_.waitReady(fd, events, deadline);
    }
    void sleepUntil(Deadline deadline) override
    {
        pauses.push_back(std::chrono::duration_cast<std::chrono::milliseconds>(deadline - LinkClock::now() + std::chrono::microseconds(500)));
        inner_.sleepUntil(deadline);
    }
    void watchSocket(int fd, SocketEventSink& sink, bool connecting) override { inner_.watchSocket(fd, sink, connecting); }
    void unwatchSocket(int fd) override { inner_.unwatchSocket(fd); }
    void runUntil(const std::function<bool()>& done, Deadline deadline) override
    {
        if (duringAsyncWait)
            std::exchange(duringAsyncWait, nullptr)();
        inner_.runUntil(done, deadline);
    }

    std::vector<std::chrono::milliseconds> pauses;
    // Run once inside the next wait: of a serial or UDP transaction, of an asynchronous request.
    std::function<void()> duringWait;
    std::function<void()> duringAsyncWait;

private:
    PollEventPump inner_;
};
