#pragma once

#include <array>
#include <string>

// The edits of the parallelism page, in the order a send checks them (the address last).
enum class ParalelismoEdit : int { TamanhoBus, NumPosicoes, ResistPosicao, TempoErroParal, TempoErroConf, Endereco };
constexpr int kParalelismoEditCount = 6;

// The radio groups: position reading, then the functions of relays 7, 8 and 9.
enum class ParalelismoRadio : int { LeituraPosicao, ConfRele7, ConfRele8, ConfRele9 };
constexpr int kParalelismoRadioCount = 4;

// What the parallelism page's view draws.
struct FrameConfParalelismoState {
    std::array<std::string, kParalelismoEditCount> edits{};
    // -1: no item (a value the group has no item for, or never read).
    std::array<int, kParalelismoRadioCount> radios{-1, -1, -1, -1};
};
