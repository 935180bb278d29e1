#pragma once

#include "CtlOptions.h"
#include "CtlResult.h"

#include <ostream>

// `fleet save LIST --out DIR [--jobs N]` and `fleet info LIST`: every device of a list,
// network devices in parallel, devices on one serial port one after the other (one bus).
// One device's failure never stops the others; the result is 0 only when all succeeded.
// A malformed list is refused before any traffic (status 2).
CtlResult runFleet(const CtlOptions& options, std::ostream& out, std::ostream& err, bool terminal);
