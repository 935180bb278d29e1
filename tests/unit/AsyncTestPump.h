#pragma once

#include "link/PollEventPump.h"

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

// The core's pump, seen from a test: it counts the socket events it delivers (so a
// scripted peer can wait until the tool has taken a piece of a frame) and runs
// `duringWait` inside every wait of the asynchronous link, as a window's timer would.
class AsyncTestPump final : public EventPump {
public:
    short waitReady(int fd, short events, Deadline deadline) override { return inner_.waitReady(fd, events, deadline); }
    void sleepUntil(Deadline deadline) override { inner_.sleepUntil(deadline); }
    void watchSocket(int fd, SocketEventSink& sink, bool connecting) override
    {
        // Kept for the pump's life: a handler may rewatch from inside an event.
        sinks_.push_back(std::make_unique<CountingSink>(*this, sink));
        inner_.watchSocket(fd, *sinks_.back(), connecting);
    }
    void unwatchSocket(int fd) override { inner_.unwatchSocket(fd); }
    void runUntil(const std::function<bool()>& done, Deadline deadline) override
    {
        ++waits;
        if (duringWait)
            duringWait();
        inner_.runUntil(done, deadline);
    }

    // Blocks until more than `seen` read events were delivered (false after 10 s).
    bool waitForReadsAbove(int seen)
    {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, std::chrono::seconds(10), [&] { return reads_ > seen; });
    }
    int reads() const
    {
        std::lock_guard lock(mutex_);
        return reads_;
    }

    std::function<void()> duringWait;
    int waits = 0;

private:
    class CountingSink final : public SocketEventSink {
    public:
        CountingSink(AsyncTestPump& pump, SocketEventSink& inner) : pump_(pump), inner_(inner) {}
        void socketEvent(std::uint32_t word) override
        {
            inner_.socketEvent(word);
            if ((word & 0xFFFF) == kSocketRead) {
                std::lock_guard lock(pump_.mutex_);
                ++pump_.reads_;
                pump_.changed_.notify_all();
            }
        }

    private:
        AsyncTestPump& pump_;
        SocketEventSink& inner_;
    };

    PollEventPump inner_;
    std::vector<std::unique_ptr<CountingSink>> sinks_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    int reads_ = 0;
};
