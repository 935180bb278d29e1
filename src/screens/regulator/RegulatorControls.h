#pragma once

#include "screens/common/RegisterControl.h"

#include <vector>

// The regulator configuration page's controls in the order they are written:
// line-drop compensation, instrument transformers, blocking limits, tap changer.
const std::vector<RegisterControl>& regulatorControls();

// The regulation set page's controls; registers are offsets from 20 × set.
const std::vector<RegisterControl>& regulatorSetControls();
