#pragma once

#include <array>
#include <string>
#include <vector>

// The edits beside the set-point grid, in the order a send checks them.
enum class SetPointEdit : int {
    InicioH,
    InicioM,
    Duracao,
    MaxDifTemp,
    CalcCorrNom1,
    CalcCorrNom2,
    CalcCorrNom3,
    CalcDeltaT1,
    CalcDeltaT2,
    CalcDeltaT3,
    CalcConstT,
    CalcM,
};
constexpr int kSetPointEditCount = 12;

// What the set points page's view draws.
struct FrameConfSetPointsState {
    static constexpr int kRelays = 8;
    static constexpr int kColumns = 9;
    static constexpr int kRedundantBoxes = 5; // RTD 2..6

    // Grid cells, relay rows 1..8 by columns 1..9. Empty where this connection read nothing.
    std::array<std::array<std::string, kColumns>, kRelays> cells{};

    // The in-place editor open over one cell (column and row 1-based), if any.
    enum class Editor { None, Edit, List };
    Editor editor = Editor::None;
    int editColumn = 0;
    int editRow = 0;
    std::string edVal;
    std::vector<std::string> cbValItems;
    int cbValIndex = 0;

    std::array<std::string, kSetPointEditCount> edits{};
    int cbReleAlternado = -1;
    int rgNumRtdItems = 1;
    int rgNumRtd = -1;
    std::array<bool, kRedundantBoxes> redundante{};
    bool gbRedundanteVisible = false;
    std::array<bool, kRedundantBoxes> redundanteVisible{};
};
