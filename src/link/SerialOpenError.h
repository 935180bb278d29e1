#pragma once

#include "link/SerialLinkSettings.h"

#include <string>

// Why a serial port could not be opened, in one short English phrase for the second
// line of a message: "No such file or directory", "port busy (another program is using
// it)", "the port does not accept 8E1 at 9600 baud", "Permission denied (join the
// port's group, usually dialout)".
std::string describeSerialOpenError(int error, const SerialLinkSettings& settings);

// "8N1", "8E1", "8O1", "8N2" and the like.
std::string serialFormatName(const SerialLinkSettings& settings);
