#pragma once

#include "device/RegisterImage.h"

#include <string>

// The connect flow's password check: the typed text, trimmed and in capitals, must
// begin with the four letters the device holds at 1600..1603 (read from this device).
// A text shorter than four characters is a wrong password.
bool passwordMatches(const RegisterImage& image, const std::string& typed);
