#pragma once

#include <ostream>
#include <string>

class CtlSession;

// What a command ended with: exit status 0, or 1 (link, device or file) and the
// one-line reason.
struct CtlConfigResult {
    int status;
    std::string message;
};

// `save FILE`: the full configuration read, then the model's configuration file.
CtlConfigResult runSaveConfig(CtlSession& session, const std::string& file, std::ostream& out);
// `load FILE`: the full configuration read, a backup of the device's configuration
// into the data folder's backups/ (printed), then the file with every option of the
// model. A failure names the error register (-1 for a file of another model).
CtlConfigResult runLoadConfig(CtlSession& session, const std::string& file, std::ostream& out);
