#pragma once

#include "CtlResult.h"

#include <ostream>
#include <string>
#include <vector>

class CtlSession;

// The QLX700-IRR's records from the command line: `records save FILE` writes the same
// records file as the window's page (progress on `err` when it is a terminal; a
// reading cut short keeps what arrived and ends the file with a line saying so),
// `records erase` empties the controller's record store and checks that it is empty.
CtlResult runIrrigationRecords(CtlSession& session, const std::vector<std::string>& args, std::ostream& out,
                               std::ostream& err, bool errIsTerminal);
