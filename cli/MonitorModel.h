#pragma once

#include "link/EventPump.h"
#include "settings/FullConfigRead.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

class DeviceLink;

// What `qlx700ctl monitor` shows of one model: a header, what it reads once after
// connecting, what it reads every second (the model's page reads the same), and one
// aligned line of a sample. A value this connection never received prints as "-".
struct MonitorModel {
    std::string header;
    std::vector<RegisterRun> once;
    std::vector<RegisterRun> live;
    std::function<std::string(const DeviceLink&)> line;
};

// The monitor of the model the device is (its type and signature), if there is one.
std::optional<MonitorModel> monitorModel(int deviceType, int signature);

// One sample line's field: printf of a value, or a dash as wide when there is none.
template <typename T>
void monitorField(std::string& line, const char* format, int width, const std::optional<T>& value);

// A relay contact or an output as one character: 1 closed or on, 0 open or off, a
// dash when there is none.
char monitorFlag(const std::optional<bool>& on);
// Relay contacts or outputs as monitorFlag characters, one after another.
std::string monitorFlags(std::span<const std::optional<bool>> flags);

// A clock (hour, minute, second, day, month, year - 2000) as "20YY-MM-DD hh:mm:ss ",
// or a dash as wide.
std::string monitorClock(const std::optional<std::vector<int>>& clock);
// The six clock registers from `first` as this connection received them, if all were.
std::optional<std::vector<int>> receivedClock(const DeviceLink& deviceLink, int first);

// Definitions of the field template for the value types the monitors print.
extern template void monitorField<double>(std::string&, const char*, int, const std::optional<double>&);
extern template void monitorField<int>(std::string&, const char*, int, const std::optional<int>&);
