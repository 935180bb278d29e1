#pragma once

#include "screens/common/GeneralFrameModel.h"

#include <functional>

class TEquipComm;

// The QLX700-P's connect road and live reads on the shared general frame. `comm`
// gives the page's link, whose unit index (1951) addresses the per-unit registers.
GeneralFrameModel parallelismGeneralFrameModel(std::function<const TEquipComm*()> comm);
