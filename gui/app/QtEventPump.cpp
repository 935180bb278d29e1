#include "gui/app/QtEventPump.h"

#include "link/SocketReadiness.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <poll.h>
#ifdef __linux__
#include <sys/timerfd.h>
#include <unistd.h>
#endif

namespace {

// Wakes the event loop at the deadline. On Linux a timerfd set to the deadline itself,
// watched like a socket, ends the wait within the kernel's timer slack: a QTimer counts
// whole milliseconds, and the line's silence before a request lasts only a few.
class DeadlineAlarm {
public:
    explicit DeadlineAlarm(Deadline deadline)
    {
#ifdef __linux__
        fd_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
        if (fd_ >= 0) {
            const auto ns = std::max<long long>(
                std::chrono::duration_cast<std::chrono::nanoseconds>(deadline.time_since_epoch()).count(), 1);
            itimerspec at{};
            at.it_value = {static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
            if (timerfd_settime(fd_, TFD_TIMER_ABSTIME, &at, nullptr) == 0) {
                notifier_ = std::make_unique<QSocketNotifier>(static_cast<qintptr>(fd_), QSocketNotifier::Read);
                return;
            }
            ::close(fd_);
            fd_ = -1;
        }
#endif
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - LinkClock::now());
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setSingleShot(true);
        timer_.start(static_cast<int>(std::clamp<long long>(left.count(), 0, 24LL * 3600 * 1000)));
    }
    ~DeadlineAlarm()
    {
        notifier_.reset();
        if (fd_ >= 0)
            ::close(fd_);
    }
    DeadlineAlarm(const DeadlineAlarm&) = delete;
    DeadlineAlarm& operator=(const DeadlineAlarm&) = delete;

private:
    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
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
