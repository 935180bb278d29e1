#pragma once

#include "device/BusyHold.h"
#include "device/DeviceLink.h"
#include "device/LinkActivity.h"

#include <optional>

// A page's own work on the device: a click's reads and writes, a download, the records,
// a calibration window. The link's waits keep the window answering; while the work
// runs, the window's clicks (another page, another model, the language) wait for its
// end, so the work finishes whole, its messages appear over its own page, and no other
// page's refresh finds the link taken. The page's busy flag, when it has one, refuses
// the page's own clicks meanwhile.
class PageWork {
public:
    explicit PageWork(DeviceLink* link)
    {
        if (link != nullptr)
            activity_.emplace(link->activity(), LinkActivity::Kind::Action);
    }
    PageWork(DeviceLink* link, bool& busy)
        : PageWork(link)
    {
        busy_.emplace(busy);
    }
    PageWork(const PageWork&) = delete;
    PageWork& operator=(const PageWork&) = delete;

private:
    // Declared first, released last: the clicks that waited run once the page is no
    // longer busy, so a click that shows this page again finds it free.
    std::optional<LinkActivity::Hold> activity_;
    std::optional<BusyHold> busy_;
};
