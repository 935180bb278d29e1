#pragma once

#include "screens/common/RelayLamp.h"

#include <array>
#include <string>

// What the QLX700-R general frame's view draws beyond the panels every general frame
// has (GeneralFrameState).
struct FrameConfGeralRState {
    // Item index of the two radio groups; -1 when nothing is selected.
    int rgVisualizacao = -1;
    int rgIdioma = -1;
    // Column 1 of rows 1..9 of sgMedidas and sgMedidas2. A cell whose registers were
    // never read on this connection stays empty.
    std::array<std::string, 9> medidas{};
    std::array<std::string, 9> medidas2{};
    std::array<RelayLamp, 10> relays{};
};
