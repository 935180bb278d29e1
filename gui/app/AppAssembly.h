#pragma once

#include "app/AppPageFactory.h"
#include "app/ConnectionSources.h"
#include "app/GlobalAppSettings.h"
#include "app/MainWindow.h"
#include "app/PosixHostResolver.h"
#include "app/PosixLocalAddressSource.h"
#include "app/PosixSerialPortSource.h"
#include "gui/app/MainWindowView.h"
#include "gui/app/QtEventPump.h"
#include "gui/app/QtFileChooser.h"
#include "gui/app/QtUi.h"

#include <functional>
#include <memory>

class DemoDevices;
struct PageRow;

// The whole program in one piece: where connections go, the settings, the windows,
// the main window's logic with its pages, and the main window itself. With `demo`
// the settings move to the demo's own folder and the simulated devices start first
// (throws std::runtime_error when either cannot).
class AppAssembly {
public:
    explicit AppAssembly(bool demo);
    ~AppAssembly();
    AppAssembly(const AppAssembly&) = delete;
    AppAssembly& operator=(const AppAssembly&) = delete;

    MainWindowView& window() { return *window_; }
    // Connects to the row's demo device and shows its page (see openPage); false
    // without the demo devices or when a step fails.
    bool openDemoPage(const PageRow& row, const std::function<void()>& shown = {});
    MainWindow& logic() { return logic_; }

private:
    // Destroyed from the bottom up: the window before the logic it draws, the link
    // (in the logic) before the demo devices it talks to.
    PosixSerialPortSource serialPorts_;
    PosixLocalAddressSource localAddresses_;
    PosixHostResolver resolver_;
    ConnectionSources sources_{serialPorts_, localAddresses_, resolver_};
    std::unique_ptr<DemoDevices> demo_;
    QtEventPump pump_;
    GlobalAppSettings settings_;
    QtUi ui_;
    QtFileChooser files_;
    AppPageFactory pageFactory_{{pump_, sources_, files_}};
    MainWindow logic_{pump_, settings_, ui_, pageFactory_};
    std::unique_ptr<MainWindowView> window_;
};
