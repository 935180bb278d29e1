#pragma once

#include "CtlResult.h"

#include <ostream>

class CtlSession;

// `monitor [--count N]`: the QLX700-T's live measurements once a second, one line per
// sample under a header, until N samples (0: until interrupted). A sample the device
// does not answer prints a comment line; the run then ends with status 1.
CtlResult runMonitor(CtlSession& session, int count, std::ostream& out);
