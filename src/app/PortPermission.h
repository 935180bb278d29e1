#pragma once

#include <string>

// When a serial port cannot be opened for lack of permission (EACCES or EPERM), the
// sentence that tells the user which group to join (the port's own group, usually
// "dialout"); empty for any other error.
std::string portPermissionText(const std::string& path, int openError, int language);
