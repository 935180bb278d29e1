// How long the window's event loop goes without running while the link waits: a
// 1 ms timer stands in for drawing, and the longest gap between its ticks is the
// longest stall a user would see. Measured on a silent serial device (the read
// waits its whole 2 s time-out) and on a TCP device that answers after 1 s.
#include "SimServer.h"
#include "device/DeviceType.h"
#include "device/EquipCommF.h"
#include "gui/app/QtEventPump.h"

#include <QApplication>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <functional>

namespace {

using Clock = std::chrono::steady_clock;

struct Stall {
    double longestMs = 0;
    double waitMs = 0;
    bool ok = false;
};

Stall measure(const std::function<bool()>& transaction)
{
    Clock::time_point last = Clock::now();
    double longest = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const auto now = Clock::now();
        longest = std::max(longest, std::chrono::duration<double, std::milli>(now - last).count());
        last = now;
    });
    tick.start(1);
    QCoreApplication::processEvents();
    last = Clock::now();
    const auto start = Clock::now();
    Stall s;
    s.ok = transaction();
    s.waitMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    s.longestMs = std::max(longest, std::chrono::duration<double, std::milli>(Clock::now() - last).count());
    return s;
}

void print(const char* what, const Stall& s, bool expectOk)
{
    std::printf("%-34s wait %7.1f ms   longest stall %5.2f ms   %s\n", what, s.waitMs, s.longestMs,
                s.ok == expectOk ? "as expected" : "UNEXPECTED RESULT");
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QtEventPump pump;

    {
        auto silent = qlxsim::SimServer::start({.model = "T", .faults = "drop"}, {.serial = true});
        TEquipComm equip(pump);
        equip.setDeviceType(kQLX700T);
        if (!equip.openSerial(silent->serialPath(), {9600, 0, 0}, false))
            return 1;
        print("serial, silent device (2 s)", measure([&] { return equip.readRegisters(201, 1); }), false);
    }
    {
        auto slow = qlxsim::SimServer::start({.model = "T", .faults = "slow=1s"}, {.tcp = true});
        TEquipComm equip(pump);
        equip.setDeviceType(kQLX700T);
        if (!equip.openTcp("127.0.0.1", "", slow->tcpPort()))
            return 1;
        pump.runUntil([&] { return equip.connected(); }, deadlineAfter(std::chrono::seconds(5)));
        print("TCP, device answering after 1 s", measure([&] { return equip.readRegisters(201, 1); }), true);
    }
    return 0;
}
