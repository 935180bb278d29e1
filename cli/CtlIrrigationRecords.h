#pragma once

#include "CtlResult.h"

#include <ostream>
#include <string>
#include <vector>

class CtlSession;

// The QLX700-IRR's records from the command line: `records save FILE` writes the same
// records file as the window's page (progress on `err` when it is a terminal),
// `records erase` empties the controller's record store.
CtlResult runIrrigationRecords(CtlSession& session, const std::vector<std::string>& args, std::ostream& out,
                               std::ostream& err, bool errIsTerminal);
