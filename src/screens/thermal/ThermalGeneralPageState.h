#pragma once

#include "screens/common/RelayLamp.h"

#include <array>
#include <string>

// What the QLX700-T general page's view draws beyond the panels every general page
// has (GeneralPageState): selections, measurements, relays and their names.
struct ThermalGeneralPageState {
    // Item index of the three radio groups; -1 when nothing is selected.
    int displayMode = -1;
    int operatingFrequency = -1;
    int deviceLanguage = -1;
    // measurementGrid rows 1..6: temperature, resistance; windingMeasurementGrid rows 1..3.
    // A cell whose registers were never read on this connection stays empty.
    std::array<std::array<std::string, 2>, 6> measurements{};
    std::array<std::array<std::string, 3>, 3> windingMeasurements{};
    std::array<RelayLamp, 10> relays{};
    std::array<std::string, 10> relayNames{};
    bool relayNamesEnabled = false;
    bool membraneTestVisible = false;
};
