#pragma once

#include "CtlResult.h"

#include <ostream>

class CtlSession;

// `calibration`: the gains and offsets the device holds (RTD channels, current inputs,
// current outputs in both ranges), its 127-ohm reference and serial number, then the
// points kept for that serial number in the data folder's calibration record.
// Read-only; nothing is printed unless every register arrived.
CtlResult runCalibration(CtlSession& session, std::ostream& out);
