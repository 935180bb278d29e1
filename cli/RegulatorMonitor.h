#pragma once

#include "MonitorModel.h"

// The QLX700-R's clock, voltages, currents, powers, tap position, active set,
// operation count and relay outputs.
MonitorModel regulatorMonitor(int signature);
