#pragma once

#include "link/EventPump.h"

#include <QObject>

#include <map>

class QSocketNotifier;

// The link's waits on the Qt event loop, so the window keeps drawing while the link
// waits. Serial and UDP waits (waitReady, sleepUntil) run every event but the user's
// input, which Qt keeps until the wait is over, so the user cannot start a second
// transaction meanwhile. Asynchronous waits (runUntil) run all events. Watched
// sockets report through socket notifiers.
class QtEventPump final : public QObject, public EventPump {
public:
    explicit QtEventPump(QObject* parent = nullptr);
    ~QtEventPump() override;

    short waitReady(int fd, short events, Deadline deadline) override;
    void sleepUntil(Deadline deadline) override;
    void watchSocket(int fd, SocketEventSink& sink, bool connecting) override;
    void unwatchSocket(int fd) override;
    void runUntil(const std::function<bool()>& done, Deadline deadline) override;

private:
    struct Watch {
        SocketEventSink* sink;
        bool connecting;
        QSocketNotifier* notifier;
    };

    void listen(int fd, Watch& watch);
    void activated(int fd);

    std::map<int, Watch> watches_;
};
