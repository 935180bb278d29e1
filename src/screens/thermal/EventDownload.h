#pragma once

#include "screens/thermal/EventRecord.h"

#include <functional>
#include <string>
#include <vector>

class EventPump;
class DeviceLink;

// Fetches the QLX700-T's event log, ten events a page, newest first: each page
// selects its first event through 801 (a forced write, read back) and reads the
// 130-register window at 1810. Each step is tried a second time after 200 ms; a
// second failure ends the download with the lines gathered so far.
struct EventDownloadResult {
    std::vector<std::string> lines;
    int total = 0;
    bool complete = false;
};

// `progress` is told the events fetched so far after each page.
EventDownloadResult downloadEvents(DeviceLink& comm, EventPump& pump, int total, eventrecord::Layout layout,
                                   const std::function<void(int fetched, int total)>& progress);

// The lines as the event log file holds them: each ended by CR LF.
std::string eventLogText(const std::vector<std::string>& lines);
