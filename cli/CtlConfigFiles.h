#pragma once

#include "CtlResult.h"

#include <ostream>
#include <string>

class CtlSession;

// `save FILE`: the full configuration read, then the model's configuration file.
CtlResult runSaveConfig(CtlSession& session, const std::string& file, std::ostream& out);
// `load FILE`: the full configuration read, a backup of the device's configuration
// into the data folder's backups/ (printed), then the file with every option of the
// model. A failure names the error register (-1 for a file of another model).
CtlResult runLoadConfig(CtlSession& session, const std::string& file, std::ostream& out);
