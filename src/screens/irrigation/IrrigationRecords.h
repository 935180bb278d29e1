#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class DeviceLink;

// The QLX700-IRR keeps up to 50 records and hands them out one at a time: a record
// number written into 4000 selects it, and 4002..4037 then hold its 72 characters,
// two per register, low byte first, as four fields of 18: time, pluviometer,
// hydrometer, temperature. The device refuses a number past its last record.
namespace irrigationrecords {

constexpr int kMaxRecords = 50;
constexpr int kFieldCount = 4;
constexpr int kFieldSize = 18;
constexpr int kSelectRegister = 4000;
constexpr int kTextRegister = 4002;
constexpr int kTextRegisters = 36;
constexpr int kEraseCommand = 1130;

using Record = std::array<std::string, kFieldCount>;

// Each field ends at its first zero character (or after 18) and is trimmed of blanks.
Record splitRecord(std::string_view text);
// The fields joined by ", "; an empty temperature becomes "-----".
std::string recordLine(const Record& record);

// What selecting a record number in 4000 came to.
enum class Selection {
    Selected, // written and read back
    Refused,  // the device said the number is past its last record
    Failed,   // anything else: silence, another refusal, a selector that reads back another number
};

// Selects record `index`, forced (the selector must be written even when it already
// holds the number) and read back. The device refuses a number past its last record
// as an illegal value: exception 3, or status 3 over TCP.
Selection selectRecord(DeviceLink& comm, int index);

struct Reading {
    std::vector<Record> records;
    // The device refused the selection past its last record, or all 50 were read; a
    // reading cut short (silence, a lost connection, a selection that did not take)
    // is not complete.
    bool complete = false;
    // Where an incomplete reading stopped: that record's selection failed, or
    // (selectionFailed false) the read of its text.
    bool selectionFailed = false;
};

// Reads records 0, 1, ... until a selection or a read fails, or 50 were read. A
// refused selection ends the reading, so a record that was not selected on this
// link is never listed. `progress` is told the count read so far after each.
Reading readRecords(DeviceLink& comm, const std::function<void(int read)>& progress);

// The records file: the header line, then one line per record, each ended by CR LF,
// in the Windows-1252 encoding the device's owners open it with.
std::string recordsFileText(const std::string& header, const std::vector<Record>& records);

} // namespace irrigationrecords
