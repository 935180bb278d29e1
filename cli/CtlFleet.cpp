#include "CtlFleet.h"

#include "CtlConfigFiles.h"
#include "CtlExitStatus.h"
#include "CtlIdentity.h"
#include "CtlSession.h"
#include "FleetList.h"
#include "device/DeviceModel.h"
#include "settings/AtomicFile.h"
#include "settings/DeviceConfigFile.h"
#include "settings/ProgramVersion.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>
#include <thread>

namespace fs = std::filesystem;

namespace {

struct DeviceOutcome {
    bool ok = false;
    std::string model;
    std::string serial;
    std::string result;
    double seconds = 0;
    // fleet info
    std::string firmware;
    std::string drift;
};

std::string localStamp(std::chrono::system_clock::time_point when)
{
    const std::time_t t = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
    localtime_r(&t, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

// The device's clock against this computer's, in seconds ("+3 s"), or empty when the
// clock holds no valid time.
std::string clockDrift(const RegisterImage& img, std::chrono::system_clock::time_point now)
{
    std::tm device{};
    device.tm_hour = img.Clock(0);
    device.tm_min = img.Clock(1);
    device.tm_sec = img.Clock(2);
    device.tm_mday = img.Clock(3);
    device.tm_mon = img.Clock(4) - 1;
    device.tm_year = 100 + img.Clock(5) % 100;
    device.tm_isdst = -1;
    const std::time_t at = std::mktime(&device);
    if (at == static_cast<std::time_t>(-1))
        return {};
    const long long drift = static_cast<long long>(at) - static_cast<long long>(std::chrono::system_clock::to_time_t(now));
    std::string text = drift >= 0 ? "+" : "";
    text += std::to_string(drift);
    text += " s";
    return text;
}

bool saveDevice(CtlSession& session, const FleetDevice& d, const fs::path& dir, DeviceOutcome& o)
{
    const char* password = std::getenv(d.passwordEnv.c_str());
    std::string error;
    if (password == nullptr) {
        o.result = "no password: " + d.passwordEnv + " is not set";
        return false;
    }
    if (!session.provePassword(password, error)) {
        o.result = error;
        return false;
    }
    const auto started = std::chrono::system_clock::now();
    const CtlResult read = readDeviceConfiguration(session);
    if (read.status != kExitSuccess) {
        o.result = read.message;
        return false;
    }
    const RegisterImage& img = session.deviceLink().image();
    o.serial = std::to_string(img.SerialNumber());
    const fs::path file = dir / (d.name + "_" + o.serial + "_" + localStamp(started) + ".conf");
    if (!saveConfiguration(session.deviceLink(), file, error)) {
        o.result = "saving the configuration failed: " + error;
        return false;
    }
    o.result = file.string();
    return true;
}

bool describeDevice(CtlSession& session, DeviceOutcome& o)
{
    DeviceLink& link = session.deviceLink();
    const RegisterImage& img = link.image();
    if (const auto failure = readDeviceIdentity(link)) {
        o.result = failure->message;
        return false;
    }
    o.serial = std::to_string(img.SerialNumber());
    o.firmware = VersionToText(static_cast<std::uint16_t>(img.value(reg::common::FirmwareVersion)));
    o.drift = clockDrift(img, std::chrono::system_clock::now());
    o.result = "ok";
    return true;
}

DeviceOutcome visit(const FleetDevice& d, int retries, bool save, const fs::path& dir)
{
    const auto start = std::chrono::steady_clock::now();
    DeviceOutcome o;
    CtlOptions link = d.link;
    link.retries = retries;
    CtlSession session(link);
    std::string error;
    if (!session.open(error) || !session.identify(error)) {
        o.result = error;
    } else {
        o.model = std::string(modelName(session.deviceLink().deviceType()));
        o.ok = save ? saveDevice(session, d, dir, o) : describeDevice(session, o);
    }
    o.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return o;
}

std::string csvField(const std::string& text)
{
    if (text.find_first_of(",\"\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string secondsText(double s)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", s);
    return text;
}

void printTable(const std::vector<std::vector<std::string>>& rows, std::ostream& out)
{
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], row[c].size());
    }
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c)
            line += c + 1 < row.size() ? row[c] + std::string(widths[c] - row[c].size() + 2, ' ') : row[c];
        out << line << "\n";
    }
}

} // namespace

CtlResult runFleet(const CtlOptions& options, std::ostream& out, std::ostream& err, bool terminal)
{
    const bool save = options.arguments[0] == "save";
    const std::string& listFile = options.arguments[1];
    std::ifstream in(listFile);
    if (!in)
        return {kExitUsage, "cannot read the device list " + listFile};
    std::vector<std::string> errors;
    const std::vector<FleetDevice> devices = parseFleetList(in, errors);
    if (!errors.empty()) {
        for (const std::string& e : errors)
            err << "qlx700ctl: " << listFile << ": " << e << "\n";
        return {kExitUsage, "the device list " + listFile + " is refused; nothing was sent"};
    }
    const fs::path dir = options.outDir;
    if (save) {
        std::error_code ec;
        fs::create_directories(dir, ec);
        if (ec || !fs::is_directory(dir))
            return {kExitFailure, "cannot create the folder " + dir.string() + ": " + ec.message()};
    }

    const std::vector<std::vector<std::size_t>> groups = fleetGroups(devices);
    std::vector<DeviceOutcome> outcomes(devices.size());
    std::atomic<std::size_t> nextGroup{0};
    std::size_t done = 0;
    std::mutex progress;
    const auto work = [&] {
        for (std::size_t g = nextGroup++; g < groups.size(); g = nextGroup++) {
            for (const std::size_t i : groups[g]) {
                outcomes[i] = visit(devices[i], options.retries, save, dir);
                const std::lock_guard lock(progress);
                ++done;
                if (terminal)
                    err << "\rfleet: " << done << " of " << devices.size() << " devices" << std::flush;
            }
        }
    };
    const std::size_t workers = std::min<std::size_t>(static_cast<std::size_t>(options.jobs), groups.size());
    std::vector<std::thread> threads;
    for (std::size_t t = 1; t < workers; ++t)
        threads.emplace_back(work);
    work();
    for (std::thread& t : threads)
        t.join();
    if (terminal)
        err << "\n";

    std::vector<std::vector<std::string>> table;
    table.push_back(save ? std::vector<std::string>{"name", "model", "serial", "result", "seconds"}
                         : std::vector<std::string>{"name", "model", "serial", "firmware", "clock", "result", "seconds"});
    std::size_t failed = 0;
    for (std::size_t i = 0; i < devices.size(); ++i) {
        const DeviceOutcome& o = outcomes[i];
        failed += o.ok ? 0 : 1;
        if (save)
            table.push_back({devices[i].name, o.model, o.serial, o.result, secondsText(o.seconds)});
        else
            table.push_back({devices[i].name, o.model, o.serial, o.firmware, o.drift, o.result, secondsText(o.seconds)});
    }
    printTable(table, out);
    if (save) {
        std::string csv;
        for (const auto& row : table) {
            for (std::size_t c = 0; c < row.size(); ++c)
                csv += (c > 0 ? "," : "") + csvField(row[c]);
            csv += "\n";
        }
        std::string error;
        if (!writeFileAtomically(dir / "summary.csv", csv, error))
            return {kExitFailure, "cannot write " + (dir / "summary.csv").string() + ": " + error};
    }
    if (failed > 0)
        return {kExitFailure, std::to_string(failed) + " of " + std::to_string(devices.size()) + " devices failed"};
    return {kExitSuccess, {}};
}
