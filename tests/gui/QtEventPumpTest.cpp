#include "GuiTestRegistry.h"
#include "SimServer.h"
#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "gui/app/QtEventPump.h"

#include <QTimer>
#include <QtTest>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

// The link's waits on the Qt event loop.
class QtEventPumpTest : public QObject {
    Q_OBJECT

private slots:
    void waitReadyReturnsWhenBytesArriveAndKeepsTimersRunning();
    void waitReadyEndsAtTheDeadline();
    void sleepUntilKeepsTimersRunning();
    void watchedSocketsReportConnectReadAndClose();
    void tcpLinkTalksToTheSimulatorThroughThePump();
    void serialLinkTalksToTheSimulatorThroughThePump();

private:
    QtEventPump pump;
};

namespace {

struct Pipe {
    Pipe() { QVERIFY(pipe2(fd, O_NONBLOCK) == 0); }
    ~Pipe()
    {
        close(fd[0]);
        close(fd[1]);
    }
    int fd[2] = {-1, -1};
};

class Sink final : public SocketEventSink {
public:
    void socketEvent(std::uint32_t word) override { events.push_back(word); }
    std::vector<std::uint32_t> events;
};

} // namespace

void QtEventPumpTest::waitReadyReturnsWhenBytesArriveAndKeepsTimersRunning()
{
    Pipe p;
    int ticks = 0;
    QTimer ticker;
    ticker.setInterval(5);
    connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start();
    // The "device" answers from a timer: the wait must run timers to see it.
    QTimer::singleShot(60, [&] { QCOMPARE(write(p.fd[1], "x", 1), ssize_t(1)); });
    const auto start = LinkClock::now();
    const short revents = pump.waitReady(p.fd[0], POLLIN, deadlineAfter(Seconds(5)));
    QVERIFY(revents & POLLIN);
    QVERIFY(LinkClock::now() - start < std::chrono::seconds(4));
    QVERIFY(ticks >= 3);
}

void QtEventPumpTest::waitReadyEndsAtTheDeadline()
{
    Pipe p;
    const Deadline deadline = deadlineAfter(Seconds(0.05));
    QCOMPARE(pump.waitReady(p.fd[0], POLLIN, deadline), short(0));
    QVERIFY(LinkClock::now() >= deadline);
    // Already ready: no waiting at all, even with a past deadline.
    QCOMPARE(write(p.fd[1], "x", 1), ssize_t(1));
    QVERIFY(pump.waitReady(p.fd[0], POLLIN, LinkClock::now() - std::chrono::seconds(1)) & POLLIN);
}

void QtEventPumpTest::sleepUntilKeepsTimersRunning()
{
    int ticks = 0;
    QTimer ticker;
    ticker.setInterval(5);
    connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start();
    const Deadline deadline = deadlineAfter(Seconds(0.1));
    pump.sleepUntil(deadline);
    QVERIFY(LinkClock::now() >= deadline);
    QVERIFY(ticks >= 5);
}

void QtEventPumpTest::watchedSocketsReportConnectReadAndClose()
{
    auto sim = qlxsim::SimServer::start(qlxsim::SimConfig{}, {.tcp = true});
    DeviceLink comm(pump);
    comm.setDeviceType(kQLX700T);
    QVERIFY(comm.openTcp("127.0.0.1", "", sim->tcpPort()));
    pump.runUntil([&] { return comm.connected(); }, deadlineAfter(Seconds(5)));
    QVERIFY(comm.connected());
    // The device ends the connection: the close event reaches the link.
    sim->stop();
    pump.runUntil([&] { return !comm.connected(); }, deadlineAfter(Seconds(5)));
    QVERIFY(!comm.connected());

    // A refused connection reports connect with an error.
    Sink sink;
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
    sockaddr_in nowhere{};
    nowhere.sin_family = AF_INET;
    nowhere.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    nowhere.sin_port = htons(1); // nothing listens there
    ::connect(fd, reinterpret_cast<sockaddr*>(&nowhere), sizeof nowhere);
    pump.watchSocket(fd, sink, true);
    pump.runUntil([&] { return !sink.events.empty(); }, deadlineAfter(Seconds(5)));
    QCOMPARE(sink.events.size(), std::size_t(1));
    QCOMPARE(sink.events[0] & 0xFFFF, std::uint32_t(kSocketConnect));
    QVERIFY((sink.events[0] >> 16) != 0);
    close(fd);
}

void QtEventPumpTest::tcpLinkTalksToTheSimulatorThroughThePump()
{
    auto sim = qlxsim::SimServer::start(qlxsim::SimConfig{.model = "R", .faults = "slow=100ms"}, {.tcp = true});
    DeviceLink comm(pump);
    comm.setDeviceType(kQLX700R);
    QVERIFY(comm.openTcp("127.0.0.1", "", sim->tcpPort()));
    pump.runUntil([&] { return comm.connected(); }, deadlineAfter(Seconds(5)));
    int ticks = 0;
    QTimer ticker;
    ticker.setInterval(1);
    connect(&ticker, &QTimer::timeout, [&] {
        ++ticks;
        // A transaction started inside the wait fails at once on the busy flag.
        QVERIFY(!comm.readRegisters(2002, 1));
    });
    ticker.start();
    QVERIFY(comm.readRegisters(2002, 1));
    ticker.stop();
    QVERIFY(ticks >= 3);
    QCOMPARE(comm.registerValue(2002), int(kSignatureR));
}

void QtEventPumpTest::serialLinkTalksToTheSimulatorThroughThePump()
{
    auto sim = qlxsim::SimServer::start(qlxsim::SimConfig{.model = "C"}, {.serial = true});
    DeviceLink comm(pump);
    comm.setDeviceType(kQLX700C);
    QVERIFY(comm.openSerial(sim->serialPath(), {9600, 0, 0}, true));
    QVERIFY(comm.readRegisters(2002, 1));
    QCOMPARE(comm.registerValue(2002), int(kSignatureC));
    QVERIFY(comm.writeRegister(1500, 1));
    QCOMPARE(sim->reg(1500), std::uint16_t(1));
}

QLX700_GUI_TEST(QtEventPumpTest)
#include "QtEventPumpTest.moc"
