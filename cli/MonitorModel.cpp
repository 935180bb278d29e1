#include "MonitorModel.h"

#include "device/DeviceLink.h"

#include <cstdio>

template <typename T>
void monitorField(std::string& line, const char* format, int width, const std::optional<T>& value)
{
    char text[64];
    if (value)
        std::snprintf(text, sizeof text, format, *value);
    else
        std::snprintf(text, sizeof text, "%*s", width, "-");
    line += text;
}

template void monitorField<double>(std::string&, const char*, int, const std::optional<double>&);
template void monitorField<int>(std::string&, const char*, int, const std::optional<int>&);

char monitorFlag(const std::optional<bool>& on)
{
    return on ? (*on ? '1' : '0') : '-';
}

std::string monitorFlags(std::span<const std::optional<bool>> flags)
{
    std::string text;
    for (const auto& on : flags)
        text += monitorFlag(on);
    return text;
}

std::string monitorClock(const std::optional<std::vector<int>>& clock)
{
    if (!clock || clock->size() < 6)
        return "-                   ";
    const auto& t = *clock;
    char text[40];
    std::snprintf(text, sizeof text, "20%02d-%02d-%02d %02d:%02d:%02d ", t[5] % 100, t[4] % 100, t[3] % 100,
                  t[0] % 100, t[1] % 100, t[2] % 100);
    return text;
}

std::optional<std::vector<int>> receivedClock(const DeviceLink& deviceLink, int first)
{
    std::vector<int> clock;
    for (int reg = first; reg < first + 6; ++reg) {
        if (!deviceLink.received(reg))
            return std::nullopt;
        clock.push_back(deviceLink.registerValue(reg));
    }
    return clock;
}
