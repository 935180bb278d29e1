#pragma once

#include "screens/common/GeneralPageModel.h"

// The QLX700-T's connect road (its signatures, the models it hands over to, the
// registers read at connection) and its live reads.
GeneralPageModel thermalGeneralPageModel();
