#pragma once

#include "screens/thermal/FrameConfSaidaCorrenteState.h"

#include <array>
#include <string>

// The captions of the current output page in one language; the full scale is the
// voltage full scale on the QLX700-R.
struct FrameConfSaidaCorrenteCaptions {
    std::string rgEscala;
    std::array<std::string, 5> rgEscalaItems;
    std::string pnEscala0_1ma;
    std::string lblFundoEscala;
    std::string lblFundoEscalaCorrente;
    std::array<std::string, FrameConfSaidaCorrenteState::kOutputCount> lblSaidaAssociada;
};

FrameConfSaidaCorrenteCaptions frameConfSaidaCorrenteCaptions(int language, bool regulator);
