#pragma once

#include "GuiTestSupport.h"
#include "NullConnectionSources.h"
#include "SimServer.h"
#include "app/FolderAppSettings.h"
#include "app/PasswordDialog.h"
#include "app/SerialConnectDialog.h"
#include "device/DeviceLink.h"
#include "gui/app/QtEventPump.h"
#include "screens/common/GeneralPageContext.h"
#include "support/TempFolder.h"
#include "unit/AppScriptedUi.h"

#include <QtTest>

#include <memory>
#include <string>

// What the Qt tests of a model's general page and the pages it leads to share: settings
// in a fresh folder, the Qt pump, a scripted Ui that answers the device's password, a
// link and the simulated device on a pseudo-terminal. A test class calls `setUp` from
// its init() and `tearDown` from its cleanup(), after dropping its own pages and views.
class GeneralPageViewFixture {
protected:
    void setUp()
    {
        folder = std::make_unique<TempFolder>();
        settings = std::make_unique<FolderAppSettings>(folder->path());
        ui = ScriptedUi{};
        typePassword("QWKZ");
        comm = std::make_unique<DeviceLink>(pump);
        std::string error;
        QVERIFY2(settings->load(error), error.c_str());
    }
    void tearDown()
    {
        comm.reset();
        sim.reset();
    }

    void startSim(const std::string& model, const std::string& preset = {})
    {
        sim = qlxsim::SimServer::start({.model = model, .preset = preset}, {.serial = true});
    }
    void typePassword(const std::string& text)
    {
        ui.passwordDialog = [text](PasswordDialog& f) {
            f.setPassword(text);
            f.okClicked();
        };
    }
    // The serial-port button's dialog chooses the simulator's pseudo-terminal.
    void answerPortDialogWithSim()
    {
        const std::string port = sim->serialPath();
        ui.serialConnectDialog = [port](SerialConnectDialog& f) {
            f.setPortText(port);
            f.okClicked();
        };
    }
    GeneralPageContext pageContext() { return {*settings, ui, pump, none.sources, files, [](int) {}}; }

    std::unique_ptr<TempFolder> folder;
    std::unique_ptr<FolderAppSettings> settings;
    QtEventPump pump;
    ScriptedUi ui;
    NullConnectionSources none;
    NoFiles files;
    std::unique_ptr<qlxsim::SimServer> sim;
    std::unique_ptr<DeviceLink> comm;
};
