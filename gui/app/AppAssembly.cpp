#include "gui/app/AppAssembly.h"

#include "app/PageOpen.h"
#include "app/PageTable.h"
#include "gui/app/DemoDevices.h"
#include "gui/app/GuiResources.h"
#include "gui/app/PageViews.h"
#include "settings/SettingsFolder.h"

#include <stdexcept>

AppAssembly::AppAssembly(bool demo)
{
    applyAppStyleSheet();
    if (demo) {
        std::string error;
        if (!UseDemoSettingsFolder(error))
            throw std::runtime_error("the demo's settings folder: " + error);
        demo_ = std::make_unique<DemoDevices>();
        demo_->describe(sources_);
    }
    logic_.start();
    window_ = std::make_unique<MainWindowView>(logic_);
    attachPageViews(logic_, *window_);
    // Dialogs open at their offsets from the page, clear of the icons and the selector.
    ui_.setAnchor(window_->clientArea());
    files_.setAnchor(window_->clientArea());
}

AppAssembly::~AppAssembly() = default;

bool AppAssembly::openDemoPage(const PageRow& row, const std::function<void()>& shown)
{
    if (!demo_)
        return false;
    ui_.setPasswordAnswer(demo_->password());
    const bool opened = openPage(logic_, row, demo_->serialPath(row.deviceType), shown);
    ui_.setPasswordAnswer({});
    return opened;
}
