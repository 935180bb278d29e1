#pragma once

#include "MonitorModel.h"

// The QLX700-T's clock, RTD and winding measurements and relay contacts.
MonitorModel thermalMonitor(int signature);
