#include "screens/thermal/EventDownload.h"

#include "device/DeviceLink.h"

#include <algorithm>
#include <array>
#include <chrono>

namespace {

constexpr int kEventIndex = 801;
constexpr int kWindow = 1810;
constexpr int kEventsPerPage = 10;
constexpr Seconds kSecondTryPause{0.2};

// A link that is gone is not tried again: its cause (a reset) is the one to report.
bool twice(DeviceLink& comm, EventPump& pump, const std::function<bool()>& step)
{
    if (step())
        return true;
    if (!comm.connected())
        return false;
    pump.sleepUntil(deadlineAfter(kSecondTryPause));
    return step();
}

} // namespace

EventDownloadResult downloadEvents(DeviceLink& comm, EventPump& pump, int total, eventrecord::Layout layout,
                                   const std::function<void(int, int)>& progress)
{
    EventDownloadResult result;
    result.total = std::max(total, 0);
    int remaining = result.total;
    while (remaining > 0) {
        const bool fetched = twice(comm, pump, [&] { return comm.writeRegister(kEventIndex, remaining - 1, false, true); }) &&
            twice(comm, pump, [&] { return comm.readRegisters(kWindow, 100, true); }) &&
            twice(comm, pump, [&] { return comm.readRegisters(kWindow + 100, 30, true); }) && comm.flushQueuedReads();
        if (!fetched)
            return result;
        const int records = std::min(remaining, kEventsPerPage);
        for (int k = 0; k < records; ++k) {
            std::array<std::uint16_t, eventrecord::kRecordSize> record{};
            for (int i = 0; i < eventrecord::kRecordSize; ++i)
                record[static_cast<std::size_t>(i)] =
                    static_cast<std::uint16_t>(comm.registerValue(kWindow + eventrecord::kRecordSize * k + i));
            result.lines.push_back(eventrecord::eventLine(record, layout));
        }
        remaining -= records;
        if (progress)
            progress(result.total - remaining, result.total);
    }
    result.complete = true;
    return result;
}

std::string eventLogText(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}
