#include "CtlIrrigationRecords.h"

#include "CtlExitStatus.h"
#include "CtlSession.h"
#include "LinkFailureReason.h"
#include "device/DeviceModel.h"
#include "device/DeviceType.h"
#include "screens/irrigation/IrrigationRecords.h"
#include "screens/irrigation/IrrigationRecordsPageCaptions.h"
#include "settings/AtomicFile.h"

namespace {

// The file's header in the window's first language, as a page left in it writes.
constexpr int kFileLanguage = 0;
// The controller rebuilds its record store after an erase before it answers for it
// again, as the window waits.
constexpr Seconds kRecordEraseSettle{1.5};

std::string stopCause(const irrigationrecords::Reading& reading, const DeviceLink& deviceLink)
{
    const int record = static_cast<int>(reading.records.size());
    const std::string what = reading.selectionFailed
        ? "selecting record " + std::to_string(record) + " (register 4000)"
        : "reading record " + std::to_string(record) + " (registers 4002..4037)";
    return what + " failed: " + linkFailureReason(deviceLink);
}

CtlResult saveRecords(CtlSession& session, const std::string& path, std::ostream& out, std::ostream& err, bool terminal)
{
    DeviceLink& deviceLink = session.deviceLink();
    const irrigationrecords::Reading reading = irrigationrecords::readRecords(deviceLink, [&](int read) {
        if (terminal)
            err << "\rreading records: " << read << std::flush;
    });
    const std::vector<irrigationrecords::Record>& records = reading.records;
    if (terminal && !records.empty())
        err << "\n";
    const auto c = irrigationRecordsPageCaptions(kFileLanguage);
    const std::string header = c.header[0] + ", " + c.header[1] + ", " + c.header[2] + ", " + c.header[3];
    std::string text = irrigationrecords::recordsFileText(header, records);
    const std::string count = std::to_string(records.size());
    // What arrived is kept, but a file cut short says so in its last line: read
    // later, it must not pass for the device's whole store.
    const std::string cause = reading.complete ? std::string() : stopCause(reading, deviceLink);
    if (!reading.complete)
        text += "INCOMPLETE: " + count + " records read; " + cause + "\r\n";
    std::string error;
    if (!writeFileAtomically(path, text, error))
        return {kExitFailure, error};
    if (!reading.complete)
        return {kExitFailure, "the reading stopped after " + count + " records (" + cause + "); " + path +
                                  " holds those " + count + " and says it is incomplete"};
    out << count << " records saved in " << path << "\n";
    return {kExitSuccess, {}};
}

// The erase is done when the device refuses record 0: its store is empty.
CtlResult eraseRecords(CtlSession& session, std::ostream& out)
{
    DeviceLink& deviceLink = session.deviceLink();
    if (!deviceLink.sendCommand(irrigationrecords::kEraseCommand))
        return {kExitFailure, "erasing the records failed (command 1130): " + linkFailureReason(deviceLink)};
    session.pump().sleepUntil(deadlineAfter(kRecordEraseSettle));
    switch (irrigationrecords::selectRecord(deviceLink, 0)) {
    case irrigationrecords::Selection::Refused:
        out << "records erased\n";
        return {kExitSuccess, {}};
    case irrigationrecords::Selection::Selected:
        return {kExitFailure, "the device acknowledged the erase (command 1130) but still holds records: record 0 can be selected"};
    case irrigationrecords::Selection::Failed:
        break;
    }
    return {kExitFailure, "the erase (command 1130) was sent, but checking it failed: selecting record 0 (register 4000) failed: " +
                              linkFailureReason(deviceLink)};
}

} // namespace

CtlResult runIrrigationRecords(CtlSession& session, const std::vector<std::string>& args, std::ostream& out,
                               std::ostream& err, bool errIsTerminal)
{
    const int type = session.deviceLink().deviceType();
    if (type != kQLX700IRR)
        return {kExitFailure, std::string("the device is a ") + std::string(modelName(type)) + ", which keeps no irrigation records"};
    if (args[0] == "save")
        return saveRecords(session, args[1], out, err, errIsTerminal);
    return eraseRecords(session, out);
}
