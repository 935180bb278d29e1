#pragma once

#include <string>

// What a command ended with: exit status 0, or 1 (link, device or file) and the
// one-line reason.
struct CtlResult {
    int status;
    std::string message;
};
