// How long the window's event loop goes without running while the link waits: a
// 1 ms timer stands in for drawing, and the longest gap between its ticks is the
// longest stall a user would see. Measured on a silent serial device (the read
// waits its whole 2 s time-out), on a TCP device that answers after 1 s, and for the
// QLX700-T page's live refresh (its four reads and the redraw) over a 9600 baud line
// paced like the real wire. Then how long a click waits for its answer (run, put off
// until the refresh ends, or refused) while the page refreshes a silent serial device.
#include "SimLink.h"
#include "SimServer.h"
#include "app/ConnectionSources.h"
#include "app/FolderAppSettings.h"
#include "app/PosixHostResolver.h"
#include "app/PosixLocalAddressSource.h"
#include "app/PosixSerialPortSource.h"
#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "gui/app/QtEventPump.h"
#include "gui/app/QtFileChooser.h"
#include "gui/app/QtUi.h"
#include "gui/screens/thermal/ThermalGeneralPageView.h"
#include "screens/calibration/InputRegressionWindow.h"
#include "screens/calibration/OutputCalibrationWindow.h"
#include "screens/calibration/RtdRegressionWindow.h"
#include "screens/calibration/RtdTableWindow.h"
#include "screens/irrigation/ManualOperationWindow.h"
#include "screens/thermal/FaultDetectionWindow.h"
#include "screens/thermal/ThermalGeneralPage.h"

#include "app/ChangeIpDialog.h"
#include "app/ChangePasswordDialog.h"
#include "app/ClockDialog.h"
#include "app/IpConnectDialog.h"
#include "app/PasswordDialog.h"
#include "app/SerialConnectDialog.h"
#include "app/TextWindow.h"
#include "app/Ui.h"
#include "screens/common/FileChooser.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <functional>
#include <stdexcept>
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

// One read of register 201 from a simulated QLX700-T set up by `config`, over its
// pseudo-terminal at 9600 baud or over TCP; false when no link came up.
bool measureRead(QtEventPump& pump, const char* what, const qlxsim::SimConfig& config, bool tcp, bool expectOk)
{
    auto device = qlxsim::SimServer::start(config, {.serial = !tcp, .tcp = tcp});
    DeviceLink deviceLink(pump);
    deviceLink.setDeviceType(kQLX700T);
    if (!openSimLink(deviceLink, pump, *device, tcp, 9600))
        return false;
    print(what, measure([&] { return deviceLink.readRegisters(201, 1); }), expectOk);
    return true;
}

// Settings loaded from a temporary folder of their own, as the program loads its own;
// the folder is removed with them.
class BenchSettings {
public:
    BenchSettings()
    {
        std::string error;
        settings_.load(error);
    }
    ~BenchSettings() { std::filesystem::remove_all(folder_); }
    BenchSettings(const BenchSettings&) = delete;
    BenchSettings& operator=(const BenchSettings&) = delete;

    FolderAppSettings& settings() { return settings_; }

private:
    static std::filesystem::path newFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "qlx700-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("no temporary folder");
        return pattern;
    }

    const std::filesystem::path folder_ = newFolder();
    FolderAppSettings settings_{folder_};
};

// The QLX700-T general page and its view, on fresh settings and this machine's ports,
// addresses and names.
class ThermalPageOnScreen {
public:
    ThermalPageOnScreen(QtEventPump& pump, Ui& ui, FileChooser& files)
        : page({saved.settings(), ui, pump, sources, files, [](int) {}})
    {
    }

    BenchSettings saved;
    PosixSerialPortSource ports;
    PosixLocalAddressSource addresses;
    PosixHostResolver resolver;
    ConnectionSources sources{ports, addresses, resolver};
    ThermalGeneralPage page;
    ThermalGeneralPageView view{page};
};

// The T page connected over a paced 9600 baud line: each refresh is four reads and a
// redraw; the redraw with a full repaint of the page is timed alone too.
int pageRefresh(QtEventPump& pump)
{
    auto device = qlxsim::SimServer::start({.model = "T", .wireTiming = true}, {.serial = true});
    QtUi ui;
    QtFileChooser files;
    ThermalPageOnScreen onScreen(pump, ui, files);
    ThermalGeneralPage& page = onScreen.page;
    ThermalGeneralPageView& view = onScreen.view;
    view.refreshTimer()->stop();
    view.resize(660, 600);
    view.show();
    DeviceLink deviceLink(pump);
    deviceLink.setDeviceType(kQLX700T);
    if (!deviceLink.openSerial(device->serialPath(), {9600, 0, 0}, false))
        return 1;
    page.activate(deviceLink, 0);
    page.setTimerEnabled(true);

    constexpr int kRuns = 10;
    std::vector<double> ticks;
    double longest = 0;
    for (int i = 0; i < kRuns; ++i) {
        const Stall s = measure([&] {
            page.tick();
            view.render();
            return deviceLink.connected() && !page.general().clockText.empty();
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
    return 0;
}

// Answers the password and swallows every message, so nothing modal holds the run.
class QuietUi final : public Ui {
public:
    void showMessage(MessageKind, const std::string&) override { ++messages; }
    bool ask(MessageKind, const std::string&) override { return false; }
    Answer askYesNoCancel(MessageKind, const std::string&) override { return Answer::Cancel; }
    void openNotice(BusyNotice&) override {}
    void refreshNotice(BusyNotice&) override {}
    void closeNotice(BusyNotice&) override {}
    void exec(PasswordDialog& f) override
    {
        f.setPassword("QWKZ");
        f.okClicked();
    }
    void exec(ChangePasswordDialog& f) override { f.cancel(); }
    void exec(ClockDialog& f) override { f.cancel(); }
    void exec(TextWindow& f) override { f.cancel(); }
    void exec(SerialConnectDialog& f) override { f.cancel(); }
    void exec(IpConnectDialog& f) override { f.cancel(); }
    void exec(ChangeIpDialog& f) override { f.cancel(); }
    void exec(OutputCalibrationWindow& f) override { f.cancel(); }
    void exec(RtdRegressionWindow& f) override { f.cancel(); }
    void exec(RtdTableWindow& f) override { f.cancel(); }
    void exec(InputRegressionWindow& f) override { f.cancel(); }
    void exec(ManualOperationWindow& f) override { f.cancel(); }
    void exec(FaultDetectionWindow& f) override { f.cancel(); }
    int messages = 0;
};

class NoFiles final : public FileChooser {
public:
    std::optional<std::filesystem::path> chooseSaveFile(const Request&) override { return std::nullopt; }
    std::optional<std::filesystem::path> chooseOpenFile(const Request&) override { return std::nullopt; }
};


// Clicks on "Alterar Senha" (its dialog closes at once here) posted every 97 ms while
// the page's timer refreshes a device that has gone silent, until the page gives the
// device up: from the click's arrival to its handler's return, whether the click ran,
// was put off until the refresh ended, or was refused.
int clickLatency(QtEventPump& pump)
{
    auto device = qlxsim::SimServer::start({.model = "T", .wireTiming = true}, {.serial = true});
    QuietUi ui;
    NoFiles files;
    ThermalPageOnScreen onScreen(pump, ui, files);
    ThermalGeneralPage& page = onScreen.page;
    ThermalGeneralPageView& view = onScreen.view;
    view.show();
    DeviceLink deviceLink(pump);
    page.activate(deviceLink, 0);
    if (!page.connectSerial(device->serialPath(), 1, true, {9600, 0, 0}))
        return 1;
    page.setTimerEnabled(true);
    device->setFaults("silent-after=0");

    auto* changePasswordButton = view.findChild<QPushButton*>("changePasswordButton");
    // Each click carries its number as its time stamp; the filter sees it arrive.
    std::vector<Clock::time_point> posted;
    std::size_t arriving = 0;
    std::vector<double> latencies;
    struct Filter : QObject {
        std::size_t* arriving;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::MouseButtonRelease)
                *arriving = static_cast<std::size_t>(static_cast<QMouseEvent*>(e)->timestamp());
            return false;
        }
    } filter;
    filter.arriving = &arriving;
    changePasswordButton->installEventFilter(&filter);
    // Connected after the view's own handler, so it runs once that has returned.
    QObject::connect(changePasswordButton, &QPushButton::clicked, [&] {
        if (arriving < posted.size())
            latencies.push_back(std::chrono::duration<double, std::milli>(Clock::now() - posted[arriving]).count());
    });
    QTimer clicker;
    QObject::connect(&clicker, &QTimer::timeout, [&] {
        if (!deviceLink.connected())
            return;
        const QPointF at(changePasswordButton->width() / 2.0, changePasswordButton->height() / 2.0);
        const QPointF global = changePasswordButton->mapToGlobal(at);
        auto* press = new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                                      Qt::NoModifier);
        auto* release = new QMouseEvent(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                                        Qt::NoModifier);
        release->setTimestamp(posted.size());
        posted.push_back(Clock::now());
        QCoreApplication::postEvent(changePasswordButton, press);
        QCoreApplication::postEvent(changePasswordButton, release);
    });
    clicker.start(97);
    pump.runUntil([&] { return !deviceLink.connected(); }, deadlineAfter(std::chrono::seconds(30)));
    clicker.stop();
    QCoreApplication::processEvents();
    if (latencies.empty())
        return 1;
    std::sort(latencies.begin(), latencies.end());
    std::printf("%-34s %zu of %zu clicks: median %6.2f ms, 99th %6.2f ms, longest %6.2f ms\n",
                "click while a silent device waits", latencies.size(), posted.size(), latencies[latencies.size() / 2],
                latencies[latencies.size() * 99 / 100], latencies.back());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QtEventPump pump;

    if (!measureRead(pump, "serial, silent device (2 s)", {.model = "T", .faults = "drop"}, false, false)
        || !measureRead(pump, "TCP, device answering after 1 s", {.model = "T", .faults = "slow=1s"}, true, true))
        return 1;
    try {
        const int refresh = pageRefresh(pump);
        return refresh != 0 ? refresh : clickLatency(pump);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
