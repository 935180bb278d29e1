#pragma once

#include <array>
#include <string>
#include <vector>

// What the current output page's view draws.
struct FrameConfSaidaCorrenteState {
    static constexpr int kOutputCount = 4;

    // The range (rgEscala: item index, -1 none), or in its place the fixed 0-1 mA panel.
    bool rgEscalaVisible = false;
    int rgEscala = -1;
    bool pnEscala0_1maVisible = false;
    bool edFundoEscalaVisible = false;
    std::string edFundoEscala;
    bool edFundoEscalaCorrenteVisible = false;
    std::string edFundoEscalaCorrente;
    // The channel that drives each output (cbSaidaAssociada0..3): entry index, -1 none.
    std::array<bool, kOutputCount> saidaVisible{};
    std::array<int, kOutputCount> saidaAssociada{-1, -1, -1, -1};
    // The entries of the four lists.
    std::vector<std::string> canais;
};
