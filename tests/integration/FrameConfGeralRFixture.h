#pragma once

#include "FrameConfGeralFixture.h"
#include "screens/regulator/FrameConfGeral_QLX700RF.h"

// The QLX700-R general frame on a scripted Ui, with the simulated device; the
// surroundings are those of the T's fixture.
class FrameConfGeralRFixture {
public:
    using Base = FrameConfGeralFixture;

    explicit FrameConfGeralRFixture(int language = 0)
    {
        std::string error;
        settings.load(error);
        frame.AtivarFrame(comm, language);
    }

    void startSim(const std::string& model = "R", bool tcp = false)
    {
        sim = qlxsim::SimServer::start({.model = model}, {.serial = !tcp, .tcp = tcp});
    }
    // Connects with the right password, over the serial port or TCP.
    bool connect(bool tcp = false)
    {
        ui.senha = [](TFormSenha& f) {
            f.setEdSenha("QWKZ");
            f.bbOkClick();
        };
        return tcp ? frame.ConectarIP("127.0.0.1", "", true, sim->tcpPort())
                   : frame.ConectarSerial(sim->serialPath(), 1, true, {9600, 0, 0});
    }

    TempFolder folder;
    FolderAppSettings settings{folder.path()};
    ScriptedUi ui;
    RecordingPump pump;
    TEquipComm comm{pump};
    Base::NoPorts ports;
    Base::Loopback local;
    PosixHostResolver resolver;
    ConnectionSources sources{ports, local, resolver};
    Base::ScriptedFiles files;
    std::vector<int> selected;
    std::vector<int> outputCounts;
    TFrameConfGeral_QLX700R frame{{settings, ui, pump, sources, files, [this](int i) { selected.push_back(i); }},
                                  [this](int n) { outputCounts.push_back(n); }};
    std::unique_ptr<qlxsim::SimServer> sim;
};
