#pragma once

#include "screens/common/RelayLamp.h"

#include <array>
#include <string>

// What the QLX700-T general frame's view draws beyond the panels every general frame
// has (GeneralFrameState): selections, measurements, relays and their names.
struct FrameConfGeralState {
    // Item index of the three radio groups; -1 when nothing is selected.
    int rgVisualizacao = -1;
    int rgFreqOperacao = -1;
    int rgIdioma = -1;
    // sgMedidas rows 1..6: temperature, resistance; sgMedidasEnrolamento rows 1..3.
    // A cell whose registers were never read on this connection stays empty.
    std::array<std::array<std::string, 2>, 6> medidas{};
    std::array<std::array<std::string, 3>, 3> medidasEnrolamento{};
    std::array<RelayLamp, 10> relays{};
    std::array<std::string, 10> edRele{};
    bool edReleEnabled = false;
    bool BitBtn1Visible = false;
};
