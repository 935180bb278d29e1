#pragma once

#include "screens/common/RelayLamp.h"

#include <array>
#include <string>

// What the QLX700-IRR general page's view draws beyond the shared panels.
struct IrrigationGeneralPageState {
    static constexpr int kBranches = 5;

    // `measurementGrid` column 1, rows 0..9 (rows 1..7 carry values).
    std::array<std::string, 10> measurements{};
    std::array<RelayLamp, 10> relays{};
    // The user's names of branches 1..5, in the name edits under lamps 2..6.
    std::array<std::string, kBranches> branchNames{};
    bool branchNamesEnabled = false;
    // The fixed lamp labels and the name edits show only while connected.
    bool labelsVisible = false;
    int deviceLanguage = -1;
};
