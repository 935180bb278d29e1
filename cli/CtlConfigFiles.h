#pragma once

#include "CtlResult.h"

#include <ostream>
#include <string>

class CtlSession;

// The full configuration read (what a save reads); a failure names the register.
CtlResult readDeviceConfiguration(CtlSession& session);
// `save FILE`: the full configuration read, then the model's configuration file.
CtlResult runSaveConfig(CtlSession& session, const std::string& file, std::ostream& out);
// `load FILE`: the whole file checked (a refused file writes nothing; keys that take
// their default are warned of on `err`, or refuse the file when `strict`), the full
// configuration read, a backup of the device's configuration into the data folder's
// backups/ (printed), then the file with every option of the model. A failure names
// the error register (-1 for a refused file) and lists registers that read back wrong.
CtlResult runLoadConfig(CtlSession& session, const std::string& file, bool strict, std::ostream& out,
                        std::ostream& err);
