#pragma once

#include "screens/common/RelayLamp.h"

#include <array>
#include <string>

// What the QLX700-R general page's view draws beyond the panels every general page
// has (GeneralPageState).
struct RegulatorGeneralPageState {
    // Item index of the two radio groups; -1 when nothing is selected.
    int indicationMode = -1;
    int deviceLanguage = -1;
    // Column 1 of rows 1..9 of measurementGrid and secondMeasurementGrid. A cell whose registers were
    // never read on this connection stays empty.
    std::array<std::string, 9> measurements{};
    std::array<std::string, 9> secondMeasurements{};
    std::array<RelayLamp, 10> relays{};
};
