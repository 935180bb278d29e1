// How long the window's event loop goes without running while the link waits: a
// 1 ms timer stands in for drawing, and the longest gap between its ticks is the
// longest stall a user would see. Measured on a silent serial device (the read
// waits its whole 2 s time-out), on a TCP device that answers after 1 s, and for the
// QLX700-T page's live refresh (its four reads and the redraw) over a 9600 baud line
// paced like the real wire.
#include "SimServer.h"
#include "app/ConnectionSources.h"
#include "app/FolderAppSettings.h"
#include "app/PosixHostResolver.h"
#include "app/PosixLocalAddressSource.h"
#include "app/PosixSerialPortSource.h"
#include "device/DeviceType.h"
#include "device/EquipCommF.h"
#include "gui/app/QtEventPump.h"
#include "gui/app/QtFileChooser.h"
#include "gui/app/QtUi.h"
#include "gui/screens/thermal/FrameConfGeralView.h"
#include "gui/screens/thermal/QtThermalUi.h"
#include "screens/thermal/FrameConfGeralF.h"

#include <QApplication>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

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

// The T page connected over a paced 9600 baud line: each refresh is four reads and a
// redraw; the redraw with a full repaint of the page is timed alone too.
int pageRefresh(QtEventPump& pump)
{
    auto device = qlxsim::SimServer::start({.model = "T", .wireTiming = true}, {.serial = true});
    std::string folderTemplate = (std::filesystem::temp_directory_path() / "qlx700-bench-XXXXXX").string();
    if (mkdtemp(folderTemplate.data()) == nullptr)
        return 1;
    const std::filesystem::path folder(folderTemplate);
    FolderAppSettings settings(folder);
    std::string error;
    settings.load(error);
    PosixSerialPortSource ports;
    PosixLocalAddressSource addresses;
    PosixHostResolver resolver;
    ConnectionSources sources(ports, addresses, resolver);
    QtUi ui;
    QtFileChooser files;
    QtThermalUi thermalUi;
    TFrameConfGeral frame({settings, ui, pump, sources, files, [](int) {}}, thermalUi);
    FrameConfGeralView view(frame);
    view.timer1()->stop();
    view.resize(660, 600);
    view.show();
    TEquipComm equip(pump);
    equip.setDeviceType(kQLX700T);
    if (!equip.openSerial(device->serialPath(), {9600, 0, 0}, false))
        return 1;
    frame.AtivarFrame(equip, 0);
    frame.setTimerEnabled(true);

    constexpr int kRuns = 10;
    std::vector<double> ticks;
    double longest = 0;
    for (int i = 0; i < kRuns; ++i) {
        const Stall s = measure([&] {
            frame.Timer1Timer();
            view.render();
            return equip.connected() && !frame.general().pnRelogio.empty();
        });
        if (!s.ok)
            return 1;
        ticks.push_back(s.waitMs);
        longest = std::max(longest, s.longestMs);
    }
    std::vector<double> renders;
    for (int i = 0; i < 200; ++i) {
        const auto start = Clock::now();
        view.render();
        view.repaint();
        renders.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(ticks.begin(), ticks.end());
    std::sort(renders.begin(), renders.end());
    std::printf("%-34s tick median %6.1f ms (max %6.1f)   longest stall %5.2f ms\n", "T page refresh, 9600 baud paced",
                ticks[ticks.size() / 2], ticks.back(), longest);
    std::printf("%-34s median %6.3f ms (max %6.3f)\n", "T page redraw and full repaint", renders[renders.size() / 2],
                renders.back());
    std::filesystem::remove_all(folder);
    return 0;
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
    return pageRefresh(pump);
}
