#pragma once

#include "../unit/AppScriptedUi.h"
#include "ConfigFileSimChanges.h"
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

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The language a general page fixture activates its page in: 0 Portuguese, 1 English,
// 2 Spanish.
struct PageLanguage {
    int index = 0;
};

// Any model's general page on a scripted Ui, with a temporary data folder and the
// simulated device: `TestedPage` is built from the page context and `extra` arguments,
// and the password dialog answers the device's password until a test says otherwise.
template <typename TestedPage>
class GeneralPageFixture {
public:
    struct NoPorts final : SerialPortSource {
        std::vector<SerialPortEntry> ports() override { return {}; }
    };
    struct Loopback final : LocalAddressSource {
        std::vector<std::string> addresses() override { return {"127.0.0.1"}; }
    };
    // Answers every file dialog with `answer` and keeps the dialogs' titles.
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

    template <typename... Extra>
    explicit GeneralPageFixture(Extra&&... extra) : GeneralPageFixture(PageLanguage{}, std::forward<Extra>(extra)...)
    {
    }
    template <typename... Extra>
    explicit GeneralPageFixture(PageLanguage language, Extra&&... extra)
        : page(GeneralPageContext{settings, ui, pump, sources, files, [this](int i) { selected.push_back(i); }},
               std::forward<Extra>(extra)...)
    {
        std::string error;
        settings.load(error);
        page.activate(comm, language.index);
        typePassword("QWKZ");
    }

    // The name of a test run once over the serial line and once over TCP.
    static std::string linkName(const ::testing::TestParamInfo<bool>& info) { return info.param ? "Tcp" : "Serial"; }

    void startSim(const std::string& model, bool tcp = false, const std::string& preset = {})
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
    bool connect(bool tcp = false)
    {
        return tcp ? page.connectIp("127.0.0.1", "", true, sim->tcpPort())
                   : page.connectSerial(sim->serialPath(), 1, true, {9600, 0, 0});
    }

    // Saves the device's configuration through the page into `name` of the data folder,
    // changes some of it behind the tool's back and loads the file through the page: the
    // device holds again every register the file covers.
    void roundTripConfiguration(int type, const std::string& name)
    {
        const std::map<int, int> before = configSnapshot(*sim, type);
        files.answer = folder / name;
        page.saveConfigurationClicked();
        ASSERT_EQ(ui.messageTexts(), std::vector<std::string>{"Configuração salva com sucesso"});
        EXPECT_EQ(settings.record().connection(type).LastConfFile, (folder / name).string());

        changeConfigBehindTheTool(*sim, type);
        ASSERT_NE(configSnapshot(*sim, type), before);
        ui.messages.clear();
        page.loadConfigurationClicked();
        ASSERT_FALSE(ui.messages.empty());
        const std::string& loaded = ui.messages[0].text;
        EXPECT_EQ(loaded.substr(0, loaded.find('\n')), "Configuração carregada com sucesso") << loaded;
        const std::map<int, int> after = configSnapshot(*sim, type);
        for (const auto& [reg, value] : before)
            EXPECT_EQ(after.at(reg), value) << "register " << reg;
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
