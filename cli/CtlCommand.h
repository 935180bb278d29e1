#pragma once

#include <ostream>

// The whole command-line tool: exit status 0 success, 1 link or device failure,
// 2 usage error; failures print one line on `err`.
int runCtl(int argc, char** argv, std::ostream& out, std::ostream& err);
