#pragma once

#include "ThermalGeneralPageFixture.h"
#include "screens/regulator/RegulatorGeneralPage.h"

// The QLX700-R general page on a scripted Ui, with the simulated device; the
// surroundings are those of the T's fixture.
class RegulatorGeneralPageFixture {
public:
    using Base = ThermalGeneralPageFixture;

    explicit RegulatorGeneralPageFixture(int language = 0)
    {
        std::string error;
        settings.load(error);
        page.activate(comm, language);
    }

    void startSim(const std::string& model = "R", bool tcp = false)
    {
        sim = qlxsim::SimServer::start({.model = model}, {.serial = !tcp, .tcp = tcp});
    }
    // Connects with the right password, over the serial port or TCP.
    bool connect(bool tcp = false)
    {
        ui.passwordDialog = [](PasswordDialog& f) {
            f.setPassword("QWKZ");
            f.okClicked();
        };
        return tcp ? page.connectIp("127.0.0.1", "", true, sim->tcpPort())
                   : page.connectSerial(sim->serialPath(), 1, true, {9600, 0, 0});
    }

    TempFolder folder;
    FolderAppSettings settings{folder.path()};
    ScriptedUi ui;
    RecordingPump pump;
    DeviceLink comm{pump};
    Base::NoPorts ports;
    Base::Loopback local;
    PosixHostResolver resolver;
    ConnectionSources sources{ports, local, resolver};
    Base::ScriptedFiles files;
    std::vector<int> selected;
    std::vector<int> outputCounts;
    RegulatorGeneralPage page{{settings, ui, pump, sources, files, [this](int i) { selected.push_back(i); }},
                              [this](int n) { outputCounts.push_back(n); }};
    std::unique_ptr<qlxsim::SimServer> sim;
};
