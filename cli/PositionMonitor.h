#pragma once

#include "MonitorModel.h"

// The QLX700-C's clock, measured resistance and current, position and its indication,
// failure bits and relay contacts.
MonitorModel positionMonitor();
