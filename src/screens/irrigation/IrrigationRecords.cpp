#include "screens/irrigation/IrrigationRecords.h"

#include "device/DeviceLink.h"
#include "device/RegisterMap.h"
#include "link/LinkError.h"
#include "settings/TextEncoding.h"
#include "settings/TrimmedText.h"

namespace irrigationrecords {

namespace {

// Modbus's "illegal data value", which the controller also gives as the status of an
// asynchronous write.
constexpr int kIllegalValue = 3;

} // namespace

Selection selectRecord(DeviceLink& comm, int index)
{
    if (comm.writeRegister(kSelectRegister, index, false, true))
        return Selection::Selected;
    const LinkError e = comm.lastError();
    const bool refused = (e.fault == LinkFault::Exception || e.fault == LinkFault::Refused) && e.code == kIllegalValue;
    return refused ? Selection::Refused : Selection::Failed;
}

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
        const Selection selection = selectRecord(comm, i);
        if (selection != Selection::Selected) {
            reading.complete = selection == Selection::Refused;
            reading.selectionFailed = !reading.complete;
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
