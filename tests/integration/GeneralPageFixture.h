#pragma once

#include "../unit/AppScriptedUi.h"
#include "SimServer.h"
#include "app/ConnectionSources.h"
#include "app/FolderAppSettings.h"
#include "app/PasswordDialog.h"
#include "app/PosixHostResolver.h"
#include "device/DeviceLink.h"
#include "screens/common/FileChooser.h"
#include "screens/common/GeneralPageContext.h"
#include "support/RecordingPump.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Any model's general page on a scripted Ui, with a temporary data folder and the
// simulated device: `TestedPage` is built from the page context and `extra` arguments.
template <typename TestedPage>
class GeneralPageFixture {
public:
    struct NoPorts final : SerialPortSource {
        std::vector<SerialPortEntry> ports() override { return {}; }
    };
    struct Loopback final : LocalAddressSource {
        std::vector<std::string> addresses() override { return {"127.0.0.1"}; }
    };
    struct ScriptedFiles final : FileChooser {
        std::optional<std::filesystem::path> chooseSaveFile(const Request&) override { return answer; }
        std::optional<std::filesystem::path> chooseOpenFile(const Request&) override { return answer; }
        std::optional<std::filesystem::path> answer;
    };

    template <typename... Extra>
    explicit GeneralPageFixture(Extra&&... extra)
        : page(GeneralPageContext{settings, ui, pump, sources, files, [this](int i) { selected.push_back(i); }},
               std::forward<Extra>(extra)...)
    {
        std::string error;
        settings.load(error);
        page.activate(comm, 0);
        typePassword("QWKZ");
    }

    void startSim(const std::string& model, bool tcp, const std::string& preset = {})
    {
        sim = qlxsim::SimServer::start({.model = model, .preset = preset}, {.serial = !tcp, .tcp = tcp});
    }
    void typePassword(const std::string& text)
    {
        ui.passwordDialog = [text](PasswordDialog& f) {
            f.setPassword(text);
            f.okClicked();
        };
    }
    // The serial-port button on the simulator's pseudo-terminal, or "Conectar IP" over TCP.
    bool connect(bool tcp)
    {
        return tcp ? page.connectIp("127.0.0.1", "", true, sim->tcpPort())
                   : page.connectSerial(sim->serialPath(), 1, true, {9600, 0, 0});
    }

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
    TestedPage page;
    std::unique_ptr<qlxsim::SimServer> sim;
};
