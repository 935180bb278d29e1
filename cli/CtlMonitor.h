#pragma once

#include "CtlResult.h"

#include <chrono>
#include <ostream>

class CtlSession;

struct MonitorOptions {
    int count = 0; // samples; 0: until interrupted
    // The run ends with status 1 when no sample has been answered for this long.
    std::chrono::seconds giveUpAfter{60};
};

// `monitor [--count N] [--give-up S]`: the device's live values (MonitorModel) once a
// second, one line per sample under a header, until N samples (0: until interrupted). A sample
// the device does not answer prints a comment line with the cause, and the run then
// ends with status 1; a lost TCP connection is opened again at once (and said so) and
// the sample it cost is taken again. A sample that overruns its second is followed by
// the next whole tick, never at once. A run that got no answer for S seconds (60 by
// default) gives up with status 1.
CtlResult runMonitor(CtlSession& session, const MonitorOptions& options, std::ostream& out);
