#pragma once

#include "screens/common/GeneralPageModel.h"

// The QLX700-R's connect road (its signature, the models it hands over to, the
// registers read at connection) and its live reads.
GeneralPageModel regulatorGeneralPageModel();
