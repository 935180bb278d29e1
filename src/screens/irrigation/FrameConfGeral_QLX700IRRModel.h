#pragma once

#include "screens/common/GeneralFrameModel.h"

// The QLX700-IRR's connect road and live reads on the shared general frame.
GeneralFrameModel irrigationGeneralFrameModel();
