#include "CtlCommand.h"

#include "CtlCalibration.h"
#include "CtlConfigFiles.h"
#include "CtlFleet.h"
#include "CtlIdentity.h"
#include "CtlExitStatus.h"
#include "CtlIrrigationRecords.h"
#include "CtlMonitor.h"
#include "CtlOptions.h"
#include "CtlRecords.h"
#include "CtlSession.h"
#include "LinkFailureReason.h"
#include "device/DeviceModel.h"
#include "link/LinkError.h"
#include "settings/AtomicFile.h"
#include "settings/ProgramVersion.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <unistd.h>
#include <optional>
#include <string>
#include <vector>

namespace {

const char* const kUsageText =
    "usage: qlx700ctl [--retries N] LINK [--model T|P|R|IRR|C] [--password ABCD] COMMAND [ARGS]\n"
    "       qlx700ctl [--retries N] fleet save LIST --out DIR [--jobs N] | fleet info LIST\n"
    "\n"
    "LINK:\n"
    "  --serial PATH [--baud N] [--format 8N1|8E1|8O1|8N2] [--address N]\n"
    "  --udp HOST[:PORT] | --tcp HOST[:PORT]   (default port 43101) [--local ADDR]\n"
    "\n"
    "--retries N (0..10, default 2): a read that gets no answer, or a damaged one, is\n"
    "sent again up to N more times. Writes and commands are never sent twice: a write\n"
    "is read back, and counts only when the device holds what was written.\n"
    "\n"
    "COMMAND:\n"
    "  info                  model, serial number, firmware version and clock (no password)\n"
    "  read REG [COUNT]      print REG VALUE lines (COUNT 1..147)\n"
    "  write REG VALUE...    write one or more registers (VALUE 0..65535, as read\n"
    "                        prints it: a register holding -5 holds 65531), read\n"
    "                        them back and print REG VALUE lines\n"
    "  command CODE          write CODE to the command register 3000\n"
    "  save FILE             save the device's configuration to FILE\n"
    "  load FILE [--strict]  load FILE into the device (after a backup into the\n"
    "                        data folder's backups/); the whole file is checked\n"
    "                        first, and a value out of range (however large) writes\n"
    "                        nothing. A value that is not an integer takes its default\n"
    "                        with a warning (with --strict it refuses the file, also\n"
    "                        for a DeviceSignature that is not an integer)\n"
    "  monitor [--count N] [--give-up S]\n"
    "                        the live values (T, P, R, IRR and C) once a\n"
    "                        second, one line each (N samples, or until interrupted);\n"
    "                        a lost TCP link is opened again at once and the sample\n"
    "                        taken again; gives up after S seconds without an answer\n"
    "                        (default 60)\n"
    "  events save FILE      download the QLX700-T's events into FILE, the same log\n"
    "                        file as the window's (progress on stderr at a terminal)\n"
    "  events erase          erase the events in the device (their count is read back)\n"
    "  maxima [--reset]      print the nine maxima with their times; --reset then\n"
    "                        puts them back to zero (--reset is the confirmation)\n"
    "  records save FILE     read the QLX700-IRR's records into FILE, the same file\n"
    "                        as the window's records page (progress on stderr at a\n"
    "                        terminal; a reading cut short ends the file with a line\n"
    "                        beginning INCOMPLETE:)\n"
    "  records erase         erase the records in the device (checked: none is left)\n"
    "  calibration           print the calibration gains and offsets the device holds\n"
    "                        (RTDs, current inputs, current outputs in both ranges),\n"
    "                        its 127-ohm reference and serial number, then the points\n"
    "                        kept for it in the data folder's calibration record\n"
    "\n"
    "FLEET (every device of LIST, a CSV file with the header\n"
    "name,link,model,address,password_env; link is tcp:HOST[:PORT], udp:HOST[:PORT]\n"
    "or serial:PATH[@BAUD[,FORMAT]]; model, address and password_env may be empty):\n"
    "  fleet save LIST --out DIR [--jobs N]\n"
    "                        save each device's configuration as\n"
    "                        DIR/NAME_SERIAL_YYYYMMDD-HHMMSS.conf, N network devices\n"
    "                        at once (default 16), the devices of one serial port one\n"
    "                        after the other; a table of results, also DIR/summary.csv\n"
    "  fleet info LIST       model, serial number, firmware and clock drift of each\n"
    "                        device (no password)\n"
    "Each device's password comes from the environment variable its line names\n"
    "(QLX700_PASSWORD by default). One device's failure never stops the others; the\n"
    "status is 0 only when every device succeeded.\n"
    "\n"
    "Every command but info first proves the device password, taken from --password\n"
    "or from the QLX700_PASSWORD environment variable. Register numbers are the\n"
    "device's own (the P's wire offset is added by the tool). Numbers are decimal;\n"
    "registers, values and command codes may also be given as 0x hexadecimal. A FILE\n"
    "to write is checked before anything goes to the device.\n"
    "\n"
    "Exit status: 0 success, 1 link or device failure, 2 usage error.\n";

struct Outcome {
    int status;
    std::string message;
};

Outcome usage(const std::string& message)
{
    return {kExitUsage, message};
}

std::string twoDigits(int v)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d", v % 100);
    return text;
}

Outcome runInfo(CtlSession& session, std::ostream& out)
{
    DeviceLink& deviceLink = session.deviceLink();
    const RegisterImage& img = deviceLink.image();
    const std::optional<IdentityFailure> failure = readDeviceIdentity(deviceLink);
    if (failure && !failure->clockOnly)
        return {kExitFailure, failure->message};
    out << "model      " << modelName(deviceLink.deviceType()) << " (signature " << session.signature() << ")\n";
    out << "serial     " << img.SerialNumber() << "\n";
    out << "firmware   " << VersionToText(static_cast<std::uint16_t>(img.value(reg::common::FirmwareVersion))) << "\n";
    const auto required = static_cast<std::uint16_t>(img.value(reg::common::MinimumSoftwareVersion));
    out << "requires   tool " << VersionToText(required) << " or later"
        << (required > GetProgramVersion() ? " (this tool is older: update it)" : "") << "\n";
    if (!failure) {
        out << "clock      20" << twoDigits(img.Clock(5)) << "-" << twoDigits(img.Clock(4)) << "-"
            << twoDigits(img.Clock(3)) << " " << twoDigits(img.Clock(0)) << ":" << twoDigits(img.Clock(1))
            << ":" << twoDigits(img.Clock(2)) << "\n";
        return {kExitSuccess, {}};
    }
    // What was read stands; the clock that was not makes the whole answer a failure.
    out << "clock      (not read)\n";
    return {kExitFailure, failure->message};
}

// A command's arguments, checked before anything goes on the line.
struct Request {
    int first = 0;
    int count = 1;
    std::vector<std::uint16_t> values;
};

std::optional<std::string> parseRequest(const CtlOptions& options, Request& request)
{
    const auto& args = options.arguments;
    if (options.command == "info")
        return args.empty() ? std::nullopt : std::optional<std::string>("info takes no arguments");
    if (options.command == "read") {
        if (args.empty() || args.size() > 2)
            return "read needs REG [COUNT]";
        const auto first = parseNumber(args[0], 0, 0x7FFF, true);
        const auto count = args.size() == 2 ? parseNumber(args[1], 1, 147) : std::optional<long>(1);
        if (!first || !count)
            return "read needs a register 0..32767 and a count 1..147";
        request.first = static_cast<int>(*first);
        request.count = static_cast<int>(*count);
        return std::nullopt;
    }
    if (options.command == "write") {
        if (args.size() < 2)
            return "write needs REG VALUE...";
        const auto first = parseNumber(args[0], 0, 0x7FFF, true);
        if (!first)
            return "write needs a register 0..32767";
        request.first = static_cast<int>(*first);
        for (std::size_t i = 1; i < args.size(); ++i) {
            const auto v = parseNumber(args[i], 0, 65535, true);
            // Registers hold 0..65535 as `read` prints them; a register that holds -5
            // holds 65531, which is what to give.
            if (const auto negative = parseNumber(args[i], -32768, -1, true); negative && !v)
                return "write values are 0..65535, not " + args[i] + " (a register holding " + args[i] + " holds "
                    + std::to_string(*negative + 65536) + ")";
            if (!v)
                return "write values are 0..65535, not " + args[i];
            request.values.push_back(static_cast<std::uint16_t>(*v));
        }
        if (request.values.size() > 145)
            return "write takes at most 145 values";
        return std::nullopt;
    }
    if (options.command == "command") {
        const auto code = args.size() == 1 ? parseNumber(args[0], 0, 65535, true) : std::nullopt;
        if (!code)
            return "command needs a code 0..65535";
        request.first = static_cast<int>(*code);
        return std::nullopt;
    }
    if (options.command == "save" || options.command == "load")
        return args.size() == 1 && !args[0].empty() ? std::nullopt : std::optional<std::string>(options.command + " needs FILE");
    if (options.strict && options.command != "load")
        return "--strict goes with load";
    if (options.command == "events" || options.command == "records") {
        const bool save = args.size() == 2 && args[0] == "save" && !args[1].empty();
        const bool erase = args.size() == 1 && args[0] == "erase";
        return save || erase ? std::nullopt : std::optional<std::string>(options.command + " needs save FILE or erase");
    }
    if (options.command == "calibration")
        return args.empty() ? std::nullopt : std::optional<std::string>("calibration takes no arguments");
    if (options.command == "maxima")
        return args.empty() ? std::nullopt : std::optional<std::string>("maxima takes only --reset");
    if (options.command == "monitor")
        return args.empty() ? std::nullopt : std::optional<std::string>("monitor takes only --count N and --give-up S");
    if (options.command == "fleet") {
        if (args.size() == 2 && args[0] == "save")
            return options.outDir.empty() ? std::optional<std::string>("fleet save needs --out DIR") : std::nullopt;
        if (args.size() == 2 && args[0] == "info")
            return std::nullopt;
        return "fleet needs save LIST --out DIR or info LIST";
    }
    return "unknown command " + options.command;
}

// The file a command writes, if it writes one.
const std::string* outputFile(const CtlOptions& options)
{
    if (options.command == "save")
        return &options.arguments[0];
    if ((options.command == "events" || options.command == "records") && options.arguments[0] == "save")
        return &options.arguments[1];
    return nullptr;
}

// The words of the device's reply, whether the model's map knows the registers or not.
Outcome runRead(CtlSession& session, const Request& request, std::ostream& out)
{
    DeviceLink& deviceLink = session.deviceLink();
    std::vector<std::uint16_t> words;
    if (!deviceLink.readRaw(request.first, request.count, words))
        return {kExitFailure, "read of " + std::to_string(request.count) + " register(s) from " + std::to_string(request.first)
                                  + " failed: " + linkFailureReason(deviceLink)};
    for (std::size_t i = 0; i < words.size(); ++i)
        out << request.first + static_cast<int>(i) << " " << words[i] << "\n";
    return {kExitSuccess, {}};
}

Outcome runWrite(CtlSession& session, const Request& request, std::ostream& out)
{
    DeviceLink& deviceLink = session.deviceLink();
    const auto& values = request.values;
    if (deviceLink.writeRegisters(request.first, values, false, true)) {
        // The values the read-back brought, in the lines `read` prints.
        for (std::size_t i = 0; i < values.size(); ++i) {
            const int reg = request.first + static_cast<int>(i);
            out << reg << " " << deviceLink.registerValue(reg) << "\n";
        }
        return {kExitSuccess, {}};
    }
    const LinkError e = deviceLink.lastError();
    const int reg = e.fault == LinkFault::ReadBackDiffers ? e.reg : request.first;
    return {kExitFailure, "write of register " + std::to_string(reg) + " failed: " + describeLinkError(e)};
}

Outcome runCommand(CtlSession& session, const Request& request)
{
    if (!session.deviceLink().sendCommand(request.first))
        return {kExitFailure, "command " + std::to_string(request.first) + " failed (register 3000): " + linkFailureReason(session.deviceLink())};
    return {kExitSuccess, {}};
}

Outcome run(const CtlOptions& options, std::ostream& out, std::ostream& err)
{
    if (options.command.empty())
        return usage("no command given");
    Request request;
    if (const auto problem = parseRequest(options, request))
        return usage(*problem);
    if (options.command == "fleet") {
        if (options.link != CtlOptions::Link::None || options.password || options.model)
            return usage("fleet takes its links, models and passwords from LIST");
        const bool terminal = &err == &std::cerr && isatty(STDERR_FILENO) == 1;
        const CtlResult r = runFleet(options, out, err, terminal);
        return {r.status, r.message};
    }
    if (options.link == CtlOptions::Link::None)
        return usage("no link given (--serial, --udp or --tcp)");
    std::optional<std::string> password = options.password;
    if (!password) {
        if (const char* env = std::getenv("QLX700_PASSWORD"))
            password = env;
    }
    if (options.command != "info" && !password)
        return usage(options.command + " needs the device password (--password or QLX700_PASSWORD)");
    if (const std::string* file = outputFile(options)) {
        std::string error;
        if (!canWriteFileAtomically(*file, error))
            return {kExitFailure, error};
    }

    CtlSession session(options);
    std::string error;
    if (!session.open(error) || !session.identify(error))
        return {kExitFailure, error};
    if (options.command == "info")
        return runInfo(session, out);
    if (!session.provePassword(*password, error))
        return {kExitFailure, error};
    if (options.command == "read")
        return runRead(session, request, out);
    if (options.command == "write")
        return runWrite(session, request, out);
    if (options.command == "monitor") {
        const CtlResult r = runMonitor(session, {options.count, std::chrono::seconds(options.giveUp)}, out);
        return {r.status, r.message};
    }
    if (options.command == "events" || options.command == "maxima" || options.command == "records") {
        const bool terminal = &err == &std::cerr && isatty(STDERR_FILENO) == 1;
        const CtlResult r = options.command == "events"  ? runEvents(session, options.arguments, out, err, terminal)
                          : options.command == "records" ? runIrrigationRecords(session, options.arguments, out, err, terminal)
                                                         : runMaxima(session, options.reset, out);
        return {r.status, r.message};
    }
    if (options.command == "calibration") {
        const CtlResult r = runCalibration(session, out);
        return {r.status, r.message};
    }
    if (options.command == "save" || options.command == "load") {
        const CtlResult r = options.command == "save" ? runSaveConfig(session, options.arguments[0], out)
                                                            : runLoadConfig(session, options.arguments[0], options.strict, out, err);
        return {r.status, r.message};
    }
    return runCommand(session, request);
}

} // namespace

int runCtl(int argc, char** argv, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const auto options = parseCtlOptions(args, error);
    if (!options) {
        err << "qlx700ctl: " << error << "\nTry 'qlx700ctl --help'.\n";
        return kExitUsage;
    }
    if (options->help) {
        out << kUsageText;
        return kExitSuccess;
    }
    if (options->version) {
        out << "qlx700ctl " << QLX700_VERSION_TEXT << "\n";
        return kExitSuccess;
    }
    const Outcome outcome = run(*options, out, err);
    if (outcome.status != kExitSuccess) {
        err << "qlx700ctl: " << outcome.message << "\n";
        if (outcome.status == kExitUsage)
            err << "Try 'qlx700ctl --help'.\n";
    }
    return outcome.status;
}
