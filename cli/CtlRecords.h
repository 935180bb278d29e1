#pragma once

#include "CtlResult.h"

#include <ostream>
#include <string>
#include <vector>

class CtlSession;

// The QLX700-T's records from the command line: `events save FILE` writes the same
// event log file as the window's download (progress on `err` when it is a terminal),
// `events erase` empties the device's log and reads its count back to prove it,
// `maxima` prints the nine maxima with their times and, with `reset`, puts them back
// to zero afterwards.
CtlResult runEvents(CtlSession& session, const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    bool errIsTerminal);
CtlResult runMaxima(CtlSession& session, bool reset, std::ostream& out);
