#include "screens/irrigation/IrrigationRecords.h"

#include "device/DeviceLink.h"
#include "device/RegisterMap.h"
#include "link/LinkError.h"
#include "settings/TextEncoding.h"
#include "settings/TrimmedText.h"

namespace irrigationrecords {

namespace {

// How the controller says a record number is past its last: an exception reply, an
// error status over TCP, or a selector that reads back something else.
bool refusal(LinkFault fault)
{
    return fault == LinkFault::Exception || fault == LinkFault::Refused || fault == LinkFault::ReadBackDiffers;
}

} // namespace

Record splitRecord(std::string_view text)
{
    Record record;
    for (std::size_t f = 0; f < record.size(); ++f) {
        const std::size_t at = f * kFieldSize;
        std::string_view field = at < text.size() ? text.substr(at, kFieldSize) : std::string_view();
        field = field.substr(0, field.find('\0'));
        record[f] = trimmed(field, kBlanksAndLineEnds);
    }
    return record;
}

std::string recordLine(const Record& record)
{
    return record[0] + ", " + record[1] + ", " + record[2] + ", " + (record[3].empty() ? "-----" : record[3]);
}

Reading readRecords(DeviceLink& comm, const std::function<void(int read)>& progress)
{
    Reading reading;
    for (int i = 0; i < kMaxRecords; ++i) {
        // Forced: the selector must be written even when it already holds the number,
        // and its read-back tells a refused selection apart.
        if (!comm.writeRegister(kSelectRegister, i, false, true)) {
            reading.complete = refusal(comm.lastError().fault);
            return reading;
        }
        if (!comm.readRegisters(kTextRegister, kTextRegisters))
            return reading;
        reading.records.push_back(splitRecord(comm.image().rawText(reg::IRR::RecordText)));
        progress(static_cast<int>(reading.records.size()));
    }
    reading.complete = true;
    return reading;
}

std::string recordsFileText(const std::string& header, const std::vector<Record>& records)
{
    std::string text = header + "\r\n";
    for (const Record& r : records)
        text += recordLine(r) + "\r\n";
    return utf8ToCp1252(text);
}

} // namespace irrigationrecords
