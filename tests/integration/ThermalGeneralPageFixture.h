#pragma once

#include "GeneralPageFixture.h"
#include "screens/thermal/ThermalGeneralPage.h"

// The QLX700-T general page on a scripted Ui, with the simulated device.
using ThermalGeneralPageFixture = GeneralPageFixture<ThermalGeneralPage>;
