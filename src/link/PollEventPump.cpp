#include "link/PollEventPump.h"

#include "link/SocketReadiness.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <thread>
#ifdef __linux__
#include <sys/prctl.h>
#endif

namespace {

// The time left to the deadline for ppoll, to the nanosecond: a wait for the line's
// silence lasts a few milliseconds and must end on time, not at the next millisecond.
timespec timeUntil(Deadline deadline)
{
    const auto left = deadline - LinkClock::now();
    if (left <= LinkClock::duration::zero())
        return {0, 0};
    const long long ns = std::min<long long>(std::chrono::ceil<std::chrono::nanoseconds>(left).count(),
                                             3600LL * 1000000000LL);
    return {static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
}

bool expired(const timespec& t)
{
    return t.tv_sec == 0 && t.tv_nsec == 0;
}

} // namespace

PollEventPump::PollEventPump()
{
#ifdef __linux__
    prctl(PR_SET_TIMERSLACK, 1000UL); // 1 µs
#endif
}

short PollEventPump::waitReady(int fd, short events, Deadline deadline)
{
    for (;;) {
        pollfd p{fd, events, 0};
        const timespec timeout = timeUntil(deadline);
        const int n = ppoll(&p, 1, &timeout, nullptr);
        if (n > 0)
            return p.revents;
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 || LinkClock::now() >= deadline)
            return 0;
    }
}

void PollEventPump::sleepUntil(Deadline deadline)
{
    std::this_thread::sleep_until(deadline);
}

void PollEventPump::watchSocket(int fd, SocketEventSink& sink, bool connecting)
{
    unwatchSocket(fd);
    watches_.push_back({fd, &sink, connecting});
}

void PollEventPump::unwatchSocket(int fd)
{
    std::erase_if(watches_, [fd](const Watch& w) { return w.fd == fd; });
}

void PollEventPump::runUntil(const std::function<bool()>& done, Deadline deadline)
{
    while (!done()) {
        const timespec timeout = timeUntil(deadline);
        if (expired(timeout))
            return;
        if (watches_.empty()) {
            sleepUntil(deadline);
            return;
        }
        std::vector<pollfd> fds;
        fds.reserve(watches_.size());
        for (const Watch& w : watches_)
            fds.push_back({w.fd, static_cast<short>(w.connecting ? POLLOUT : POLLIN), 0});
        const int n = ppoll(fds.data(), fds.size(), &timeout, nullptr);
        if (n < 0 && errno != EINTR)
            return;
        for (const pollfd& p : fds) {
            if (p.revents == 0)
                continue;
            // A handler may unwatch or rewatch sockets, so look the watch up again.
            auto it = std::find_if(watches_.begin(), watches_.end(), [&](const Watch& w) { return w.fd == p.fd; });
            if (it == watches_.end())
                continue;
            SocketEventSink* sink = it->sink;
            const std::uint32_t word = socketEventFromReadiness(p.fd, p.revents, it->connecting);
            if (word == 0)
                continue;
            // A closed socket would report hang-up forever; it is done.
            if ((word & 0xFFFF) == kSocketClose || ((word & 0xFFFF) == kSocketConnect && (word >> 16) != 0))
                unwatchSocket(p.fd);
            sink->socketEvent(word);
        }
    }
}
