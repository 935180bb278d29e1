#pragma once

#include "screens/common/GeneralPageModel.h"

// The QLX700-IRR's connect road and live reads on the shared general frame.
GeneralPageModel irrigationGeneralPageModel();
