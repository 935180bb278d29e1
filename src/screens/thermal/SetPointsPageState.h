#pragma once

#include <array>
#include <string>
#include <vector>

// The edits beside the set-point grid, in the order a send checks them.
enum class SetPointEdit : int {
    CoolingStartHour,
    CoolingStartMinute,
    CoolingDuration,
    MaxTemperatureDifference,
    NominalCurrent1,
    NominalCurrent2,
    NominalCurrent3,
    DeltaT1,
    DeltaT2,
    DeltaT3,
    TimeConstant,
    ParameterM,
};
constexpr int kSetPointEditCount = 12;

// What the set points page's view draws.
struct SetPointsPageState {
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
    std::string cellEditText;
    std::vector<std::string> cellChoices;
    int cellChoiceIndex = 0;

    std::array<std::string, kSetPointEditCount> edits{};
    int setPointAlternation = -1;
    int activeRtdCountItems = 1;
    int activeRtdCount = -1;
    std::array<bool, kRedundantBoxes> redundantRtds{};
    bool redundantRtdsBoxVisible = false;
    std::array<bool, kRedundantBoxes> redundantRtdVisible{};
};
