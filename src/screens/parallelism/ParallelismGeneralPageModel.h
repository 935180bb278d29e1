#pragma once

#include "screens/common/GeneralPageModel.h"

#include <functional>

class DeviceLink;

// The QLX700-P's connect road and live reads on the shared general frame. `comm`
// gives the page's link, whose unit index (1951) addresses the per-unit registers.
GeneralPageModel parallelismGeneralPageModel(std::function<const DeviceLink*()> comm);
