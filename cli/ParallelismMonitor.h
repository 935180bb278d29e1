#pragma once

#include "MonitorModel.h"

// The QLX700-P unit's clock, position, expected position, mode, the five error
// registers and the relay contacts.
MonitorModel parallelismMonitor();
