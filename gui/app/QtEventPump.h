#pragma once

#include "link/EventPump.h"

#include <QObject>

#include <map>

class QSocketNotifier;

// The link's waits on the Qt event loop, so the window keeps drawing and answering
// while the link waits: every wait runs all events, the user's input included. What a
// click asks of the link meanwhile is refused at once or put off until the running
// work ends (LinkActivity, the link's busy flag), so frames never interleave and no
// click is kept back to be replayed later. Watched sockets report through socket
// notifiers.
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
