#pragma once

#include "screens/common/GeneralPageModel.h"

#include <functional>

class DeviceLink;

// The QLX700-P's connect road and live reads, for the shared general page
// (GeneralPage). `comm` gives the page's link, whose unit index (1951) addresses the
// per-unit registers.
GeneralPageModel parallelismGeneralPageModel(std::function<const DeviceLink*()> comm);
