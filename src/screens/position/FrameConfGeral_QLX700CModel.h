#pragma once

#include "screens/common/GeneralFrameModel.h"

// The QLX700-C's connect road and live reads on the shared general frame.
GeneralFrameModel positionGeneralFrameModel();
