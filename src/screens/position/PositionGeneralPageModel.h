#pragma once

#include "screens/common/GeneralPageModel.h"

// The QLX700-C's connect road and live reads, for the shared general page (GeneralPage).
GeneralPageModel positionGeneralPageModel();
