#pragma once

#include <string>
#include <vector>

// One run of qlx700ctl in-process: its exit status and what it printed.
struct CtlRun {
    int status;
    std::string out;
    std::string err;
};

// Runs qlx700ctl with `args` (without the program name).
CtlRun ctl(std::vector<std::string> args);

// Runs qlx700ctl on `link` (link options, --model) proving the simulator's password
// "QWKZ", then `command`.
CtlRun ctlWithPassword(std::vector<std::string> link, const std::vector<std::string>& command);
