#pragma once

#include "screens/common/RegisterControl.h"

#include <vector>

// The parallelism page's controls in the order a send writes them: bus size,
// positions, resistance per position, the two error times, the position reading
// (the device's own, 201), the functions of relays 7..9, and the unit's address
// last, since the others are the unit's entries at its old index. Registers are
// offsets from the unit's index on the bus; the address shows in the unit's entry
// and is written to the unit index 1951.
const std::vector<RegisterControl>& parallelismControls();
