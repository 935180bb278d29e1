#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

using LinkClock = std::chrono::steady_clock;
using Deadline = LinkClock::time_point;
using Seconds = std::chrono::duration<double>;

inline Deadline deadlineAfter(Seconds span)
{
    return LinkClock::now() + std::chrono::duration_cast<LinkClock::duration>(span);
}

// Socket events of the asynchronous link. The event word carries the event in its
// low 16 bits and the error code (0 = none) in its high 16 bits.
enum SocketEvent : std::uint16_t {
    kSocketRead = 1,
    kSocketWrite = 2,
    kSocketConnect = 16,
    kSocketClose = 32,
};

inline std::uint32_t makeSocketEventWord(std::uint16_t event, std::uint16_t error)
{
    return static_cast<std::uint32_t>(event) | (static_cast<std::uint32_t>(error) << 16);
}

class SocketEventSink {
public:
    virtual ~SocketEventSink() = default;
    virtual void socketEvent(std::uint32_t eventWord) = 0;
};

// Every wait of the device link passes through the pump. The core's pump blocks in
// poll(); the GUI's pump keeps the window drawing while the link waits.
class EventPump {
public:
    virtual ~EventPump() = default;

    // Waits of a blocking transaction (serial, UDP): until fd reports one of `events`
    // (POLLIN, POLLOUT) or the deadline passes. Returns the poll revents, 0 on time-out.
    // No user input is handled meanwhile, so frames never interleave.
    virtual short waitReady(int fd, short events, Deadline deadline) = 0;

    // A pause (settle delay, retry pause) under the same rules as waitReady.
    virtual void sleepUntil(Deadline deadline) = 0;

    // Asynchronous link: report read, connect and close events of fd to the sink.
    // A socket whose connection is in progress reports connect once it completes.
    virtual void watchSocket(int fd, SocketEventSink& sink, bool connecting) = 0;
    virtual void unwatchSocket(int fd) = 0;

    // Waits of the asynchronous link: run events until done() holds or the deadline
    // passes. Socket events of watched sockets are delivered meanwhile.
    virtual void runUntil(const std::function<bool()>& done, Deadline deadline) = 0;
};
