#pragma once

#include "screens/common/RegisterControl.h"

#include <vector>

// The position indicator page's controls in the order a send writes them: the
// resistance per position, the number of positions, the lowest and highest positions
// and the reading mode. Only leaving the resistance sends; the other edits go out
// with it or with the reading mode.
const std::vector<RegisterControl>& positionIndicatorControls();
