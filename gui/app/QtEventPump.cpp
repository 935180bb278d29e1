#include "gui/app/QtEventPump.h"

#include "link/SocketReadiness.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <poll.h>

namespace {

// A single-shot timer that wakes the event loop at the deadline (rounded up to the
// millisecond, so a wait never ends early and then spins).
class DeadlineAlarm {
public:
    explicit DeadlineAlarm(Deadline deadline)
    {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - LinkClock::now());
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setSingleShot(true);
        timer_.start(static_cast<int>(std::clamp<long long>(left.count(), 0, 24LL * 3600 * 1000)));
    }

private:
    QTimer timer_;
};

short readiness(int fd, short events)
{
    pollfd p{fd, events, 0};
    for (;;) {
        const int n = poll(&p, 1, 0);
        if (n >= 0)
            return n > 0 ? p.revents : 0;
        if (errno != EINTR)
            return POLLERR;
    }
}

} // namespace

QtEventPump::QtEventPump(QObject* parent)
    : QObject(parent)
{
}

QtEventPump::~QtEventPump() = default;

short QtEventPump::waitReady(int fd, short events, Deadline deadline)
{
    QSocketNotifier reader(static_cast<qintptr>(fd), QSocketNotifier::Read);
    QSocketNotifier writer(static_cast<qintptr>(fd), QSocketNotifier::Write);
    reader.setEnabled((events & POLLIN) != 0);
    writer.setEnabled((events & POLLOUT) != 0);
    const DeadlineAlarm alarm(deadline);
    for (;;) {
        const short revents = readiness(fd, events);
        if (revents != 0)
            return revents;
        if (LinkClock::now() >= deadline)
            return 0;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
}

void QtEventPump::sleepUntil(Deadline deadline)
{
    const DeadlineAlarm alarm(deadline);
    while (LinkClock::now() < deadline)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void QtEventPump::runUntil(const std::function<bool()>& done, Deadline deadline)
{
    const DeadlineAlarm alarm(deadline);
    while (!done() && LinkClock::now() < deadline)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void QtEventPump::watchSocket(int fd, SocketEventSink& sink, bool connecting)
{
    unwatchSocket(fd);
    Watch& w = watches_[fd] = Watch{&sink, connecting, nullptr};
    listen(fd, w);
}

// A connecting socket is watched for writing (the connection's end), a connected one
// for reading (bytes, or the peer's close).
void QtEventPump::listen(int fd, Watch& watch)
{
    auto* n = new QSocketNotifier(static_cast<qintptr>(fd),
                                  watch.connecting ? QSocketNotifier::Write : QSocketNotifier::Read, this);
    connect(n, &QSocketNotifier::activated, this, [this, fd] { activated(fd); });
    watch.notifier = n;
}

void QtEventPump::unwatchSocket(int fd)
{
    const auto it = watches_.find(fd);
    if (it == watches_.end())
        return;
    // The notifier may be the one whose signal is running: retire it later.
    it->second.notifier->setEnabled(false);
    it->second.notifier->deleteLater();
    watches_.erase(it);
}

void QtEventPump::activated(int fd)
{
    const auto it = watches_.find(fd);
    if (it == watches_.end())
        return;
    Watch& w = it->second;
    const bool wasConnecting = w.connecting;
    const short revents = readiness(fd, wasConnecting ? POLLOUT : POLLIN);
    if (revents == 0)
        return;
    const std::uint32_t word = socketEventFromReadiness(fd, revents, w.connecting);
    if (word == 0)
        return;
    SocketEventSink* sink = w.sink;
    const auto event = static_cast<std::uint16_t>(word & 0xFFFF);
    if (event == kSocketClose || (event == kSocketConnect && (word >> 16) != 0)) {
        // A closed socket would report hang-up forever; it is done.
        unwatchSocket(fd);
    } else if (wasConnecting && !w.connecting) {
        w.notifier->setEnabled(false);
        w.notifier->deleteLater();
        listen(fd, w);
    }
    sink->socketEvent(word);
}
