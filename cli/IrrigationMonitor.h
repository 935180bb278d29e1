#pragma once

#include "MonitorModel.h"

// The QLX700-IRR's clock, pluviometer and hydrometer counters, pressure, temperature,
// alarm bits and state, and its pump and five valves.
MonitorModel irrigationMonitor();
