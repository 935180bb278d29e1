#pragma once

#include "screens/position/FrameConfQLX700CState.h"

#include <array>
#include <string>

// The position indicator page's captions in one language.
struct FrameConfQLX700CCaptions {
    std::string gbComutador;
    std::array<std::string, kPositionEditCount> labels;
    std::string rgModoLeitura;
    std::array<std::string, 2> rgModoLeituraItems;
};

FrameConfQLX700CCaptions frameConfQLX700CCaptions(int language);
