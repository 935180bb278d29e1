#pragma once

#include "../unit/AppScriptedUi.h"
#include "SimServer.h"
#include "app/ConnectionSources.h"
#include "app/FolderAppSettings.h"
#include "app/PosixHostResolver.h"
#include "device/DeviceLink.h"
#include "screens/common/FileChooser.h"
#include "screens/thermal/FaultDetectionWindow.h"
#include "screens/thermal/ThermalGeneralPage.h"
#include "support/RecordingPump.h"
#include "support/TempFolder.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The QLX700-T general page on a scripted Ui, with the simulated device.
class ThermalGeneralPageFixture {
public:
    struct NoPorts final : SerialPortSource {
        std::vector<SerialPortEntry> ports() override { return {}; }
    };
    struct Loopback final : LocalAddressSource {
        std::vector<std::string> addresses() override { return {"127.0.0.1"}; }
    };
    struct ScriptedFiles final : FileChooser {
        std::optional<std::filesystem::path> chooseSaveFile(const Request& r) override
        {
            asked.push_back(r.title);
            return answer;
        }
        std::optional<std::filesystem::path> chooseOpenFile(const Request& r) override
        {
            asked.push_back(r.title);
            return answer;
        }
        std::optional<std::filesystem::path> answer;
        std::vector<std::string> asked;
    };

    explicit ThermalGeneralPageFixture(int language = 0)
    {
        std::string error;
        settings.load(error);
        page.activate(comm, language);
    }

    void startSim(const std::string& model, bool tcp = false)
    {
        sim = qlxsim::SimServer::start({.model = model}, {.serial = !tcp, .tcp = tcp});
    }
    void typePassword(const std::string& text)
    {
        ui.passwordDialog = [text](PasswordDialog& f) {
            f.setPassword(text);
            f.okClicked();
        };
    }
    bool connectSerial() { return page.connectSerial(sim->serialPath(), 1, true, {9600, 0, 0}); }
    bool connectTcp(std::uint16_t port) { return page.connectIp("127.0.0.1", "", true, port); }

    TempFolder folder;
    FolderAppSettings settings{folder.path()};
    ScriptedUi ui;
    RecordingPump pump;
    DeviceLink comm{pump};
    NoPorts ports;
    Loopback local;
    PosixHostResolver resolver;
    ConnectionSources sources{ports, local, resolver};
    ScriptedFiles files;
    std::vector<int> selected;
    ThermalGeneralPage page{{settings, ui, pump, sources, files, [this](int i) { selected.push_back(i); }}};
    std::unique_ptr<qlxsim::SimServer> sim;
};
