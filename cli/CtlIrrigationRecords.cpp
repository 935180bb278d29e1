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
    std::string error;
    if (!writeFileAtomically(path, irrigationrecords::recordsFileText(header, records), error))
        return {kExitFailure, error};
    // What arrived is kept in the file, but a reading the link cut short is a failure.
    if (!reading.complete) {
        return {kExitFailure, "the reading stopped after " + std::to_string(records.size()) + " records (" +
                                  linkFailureReason(deviceLink) + "); " + path + " holds those " +
                                  std::to_string(records.size())};
    }
    out << records.size() << " records saved in " << path << "\n";
    return {kExitSuccess, {}};
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
    if (!session.deviceLink().sendCommand(irrigationrecords::kEraseCommand))
        return {kExitFailure, "erasing the records failed (command 1130): " + linkFailureReason(session.deviceLink())};
    out << "records erased\n";
    return {kExitSuccess, {}};
}
