#pragma once

#include <array>
#include <string>

// What the QLX700-T general frame's view draws: texts, selections, colours, flags.
struct FrameConfGeralState {
    struct Panel {
        std::string text;
        unsigned background = 0; // 0xRRGGBB; 0 with `buttonFace` set means the system colour
        bool buttonFace = false;
        unsigned textColor = 0x000000;
    };
    enum class Contact { None, Open, Closed };
    struct Relay {
        unsigned lamp = 0x000000; // black or red
        Contact picture = Contact::None;
    };

    // Item index of the three radio groups; -1 when nothing is selected.
    int rgVisualizacao = -1;
    int rgFreqOperacao = -1;
    int rgIdioma = -1;
    // sgMedidas rows 1..6: temperature, resistance; sgMedidasEnrolamento rows 1..3.
    std::array<std::array<std::string, 2>, 6> medidas{};
    std::array<std::array<std::string, 3>, 3> medidasEnrolamento{};
    std::array<Relay, 10> relays{};
    std::array<std::string, 10> edRele{};
    bool edReleEnabled = false;
    std::string pnRelogio;
    Panel pnNumSerie;
    Panel pnVersaoFirmware;
    bool connected = false;
    bool bbConectarUsbEnabled = true;
    bool bbConectarIPEnabled = true;
    bool BitBtn1Visible = false;
};
