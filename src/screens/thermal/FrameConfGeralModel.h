#pragma once

#include "screens/common/ConnectModel.h"

// The QLX700-T's connect road: its signatures, the models it hands over to, and the
// registers read at connection.
ConnectModel thermalConnectModel();
