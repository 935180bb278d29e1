// qlx700ctl says exactly what the device did: numbers as typed, the reply's words,
// the cause of each failure, and a file checked whole before the first write.
#include "support/CtlRunner.h"
#include "SimServer.h"
#include "support/ScopedDataFolder.h"
#include "support/TempFolder.h"
#include "device/DeviceLink.h"
#include "link/PollEventPump.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace {

std::vector<std::string> serialLink(const qlxsim::SimServer& sim)
{
    return {"--serial", sim.serialPath()};
}

std::vector<std::string> tcpLink(const qlxsim::SimServer& sim)
{
    return {"--tcp", "127.0.0.1:" + std::to_string(sim.tcpPort())};
}

CtlRun run(std::vector<std::string> link, const std::vector<std::string>& command, bool password = true)
{
    if (password)
        link.insert(link.end(), {"--password", "QWKZ"});
    link.insert(link.end(), command.begin(), command.end());
    return ctl(link);
}

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// The device second ("20YY-MM-DD hh:mm:ss") at the start of every sample line of a
// monitor's output.
std::vector<std::string> monitorSeconds(const std::string& out)
{
    std::vector<std::string> seconds;
    std::size_t start = 0;
    for (std::size_t end; (end = out.find('\n', start)) != std::string::npos; start = end + 1) {
        if (out[start] != '#')
            seconds.push_back(out.substr(start, 19));
    }
    return seconds;
}

bool allDifferent(std::vector<std::string> values)
{
    std::sort(values.begin(), values.end());
    return std::adjacent_find(values.begin(), values.end()) == values.end();
}

// A saved file with one key's value replaced.
std::string withValue(const std::string& file, const std::string& key, const std::string& value)
{
    const auto at = file.find("\r\n" + key + "=");
    const auto end = file.find("\r\n", at + 2);
    return file.substr(0, at) + "\r\n" + key + "=" + value + file.substr(end);
}

} // namespace

TEST(CtlExactness, NumbersAreDecimalWithALeadingZero)
{
    auto sim = qlxsim::SimServer::start({.model = "T", .address = 10}, {.serial = true});
    std::vector<std::string> link = serialLink(*sim);
    link.insert(link.end(), {"--address", "010"});
    const CtlRun w = run(link, {"write", "0210", "010"});
    ASSERT_EQ(w.status, 0) << w.err;
    EXPECT_EQ(sim->reg(210), 10);
    EXPECT_EQ(run(link, {"write", "0xD2", "0x09"}).status, 0) << "hexadecimal where it is spelt so";
    EXPECT_EQ(sim->reg(210), 9);
    const CtlRun r = run(link, {"read", "0210", "02"});
    EXPECT_EQ(r.out, "210 9\n211 " + std::to_string(sim->reg(211)) + "\n");

    const CtlRun baud = run(serialLink(*sim), {"--baud", "12345", "info"}, false);
    EXPECT_EQ(baud.status, 2);
    EXPECT_TRUE(contains(baud.err, "--baud")) << baud.err;
}

// Arguments that cannot work are refused before anything goes on the line: a negative
// value (registers hold 0..65535), an empty file name (usage errors), and a file that
// cannot be written where it is asked for (a file error), so no download is lost to it.
TEST(CtlExactness, ArgumentsThatCannotWorkStopBeforeAnyTraffic)
{
    auto sim = qlxsim::SimServer::start({.model = "T", .preset = "t-events-25"}, {.serial = true});
    TempFolder tmp;
    const std::string missing = (tmp / "no-such-folder" / "x.txt").string();
    struct Case {
        std::vector<std::string> command;
        int status;
        std::string message;
    };
    const Case cases[] = {
        {{"write", "214", "-5"}, 2, "write values are 0..65535, not -5 (a register holding -5 holds 65531)"},
        {{"write", "214", "3", "-0x8000"}, 2, "write values are 0..65535, not -0x8000 (a register holding -0x8000 holds 32768)"},
        {{"write", "214", "65536"}, 2, "write values are 0..65535, not 65536"},
        {{"events", "save", ""}, 2, "events needs save FILE or erase"},
        {{"records", "save", ""}, 2, "records needs save FILE or erase"},
        {{"save", ""}, 2, "save needs FILE"},
        {{"load", ""}, 2, "load needs FILE"},
        {{"events", "save", missing}, 1, "cannot write " + missing + ": No such file or directory"},
        {{"save", missing}, 1, "cannot write " + missing + ": No such file or directory"},
        {{"records", "save", tmp.path().string()}, 1, "cannot write " + tmp.path().string() + ": Is a directory"},
    };
    sim->setReg(214, 7);
    for (const Case& c : cases) {
        const std::string what = c.command[0] + " " + c.command.back();
        const CtlRun r = run(serialLink(*sim), c.command);
        EXPECT_EQ(r.status, c.status) << what;
        EXPECT_EQ(r.err.substr(0, r.err.find('\n')), "qlx700ctl: " + c.message) << what;
        EXPECT_EQ(r.out, "") << what;
    }
    EXPECT_EQ(sim->requestCount(), 0u) << "nothing went on the line";
    EXPECT_EQ(sim->reg(214), 7);
    EXPECT_TRUE(std::filesystem::is_empty(tmp.path())) << "no file, no probe left behind";
}

TEST(CtlExactness, FailuresNameTheirCause)
{
    auto sim = qlxsim::SimServer::start({.model = "T"}, {.serial = true, .tcp = true});
    struct Case {
        const char* faults;
        bool tcp;
        std::vector<std::string> command;
        std::string cause;
    };
    // The device refuses an indication mode beyond its three (exception 3, or status 3
    // over TCP); ignore-writes acknowledges writes that do not stick; the other faults
    // spoil every reply, so the device's signature is the first read to fail.
    const Case cases[] = {
        {"", false, {"write", "201", "9"}, "write of register 201 failed: exception 3"},
        {"", true, {"write", "201", "9"}, "write of register 201 failed: refused write (status 3)"},
        {"ignore-writes", true, {"write", "1500", "1"}, "read-back differs (register 1500 holds 0)"},
        {"ignore-writes", false, {"write", "1500", "1"}, "read-back differs (register 1500 holds 0)"},
        {"badcrc", false, {"info"}, "reading register 2002 on " + sim->serialPath() + " failed: bad CRC"},
        {"short-reply", false, {"read", "501", "3"}, "short reply"},
        {"exception=2", false, {"info"}, "failed: exception 2"},
    };
    for (const Case& c : cases) {
        sim->setFaults(c.faults);
        sim->setReg(1500, 0);
        sim->setReg(201, 0);
        const CtlRun r = run(c.tcp ? tcpLink(*sim) : serialLink(*sim), c.command);
        EXPECT_EQ(r.status, 1) << c.faults << " " << c.command[0];
        EXPECT_TRUE(contains(r.err, c.cause)) << c.faults << ": " << r.err;
        EXPECT_EQ(r.out, "") << "nothing printed from what failed: " << c.faults;
    }
    EXPECT_EQ(sim->reg(201), 0);
    EXPECT_EQ(sim->reg(1500), 0);
}

// Replies sent twice, or later than the settle pause, never answer another request.
TEST(CtlExactness, LateAndDuplicatedRepliesAnswerOnlyTheirOwnRequest)
{
    auto sim = qlxsim::SimServer::start({.model = "T"}, {.serial = true, .tcp = true});
    sim->setReg(2501, 4464);
    sim->setReg(2502, 1);
    for (const char* faults : {"duplicate", "slow=300ms"}) {
        sim->setFaults(faults);
        for (const auto& link : {serialLink(*sim), tcpLink(*sim)}) {
            const CtlRun info = run(link, {"info"}, false);
            ASSERT_EQ(info.status, 0) << faults << ": " << info.err;
            EXPECT_TRUE(contains(info.out, "serial     " + std::to_string(4464 + 65536))) << faults << ": " << info.out;
            const CtlRun w = run(link, {"write", "201", "2"});
            EXPECT_EQ(w.status, 0) << faults << ": " << w.err;
            EXPECT_EQ(sim->reg(201), 2);
            const CtlRun next = run(link, {"read", "201"});
            EXPECT_EQ(next.out, "201 2\n") << faults << ": " << next.err;
            sim->setReg(201, 0);
        }
    }
}

// Every value info shows was read, or it fails naming what it could not read and why;
// a connection the device closed or reset is named as it ended, also after the
// download's second try.
TEST(CtlExactness, CausesAreNamedAsTheyHappened)
{
    auto sim = qlxsim::SimServer::start({.model = "T", .preset = "t-events-25"}, {.udp = true, .tcp = true});
    sim->setReg(214, 0);
    TempFolder tmp;
    const std::vector<std::string> udp{"--retries", "0", "--udp", "127.0.0.1:" + std::to_string(sim->udpPort()), "--model", "T"};
    const std::vector<std::string> tcpRetries0{"--retries", "0", "--tcp", "127.0.0.1:" + std::to_string(sim->tcpPort())};
    struct Case {
        std::string faults;
        std::vector<std::string> link;
        std::vector<std::string> command;
        std::string err;
        std::string outEnd;
    };
    // The identification and the password take one request each over either link.
    const Case cases[] = {
        {"short-reply", udp, {"info"}, "reading the firmware version (registers 2000..2001) failed: short reply (1 register(s) of 2)", ""},
        {"silent-after=3", udp, {"info"}, "reading the clock (registers ", "clock      (not read)\n"},
        {"bad-bytecount", udp, {"read", "501", "3"}, "failed: bad byte count", ""},
        {"oversize-datagram", udp, {"info"}, "failed: oversize datagram (400 bytes)", ""},
        {"oversize-frame", tcpRetries0, {"info"}, "failed: a frame with an impossible length", ""},
        // After the three counts, the download's first request meets the reset.
        {"reset-after=5", tcpLink(*sim), {"events", "save", (tmp / "events.txt").string()}, "the download stopped after 0 of 25 events (connection reset)", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.faults);
        sim->setFaults(c.faults);
        const CtlRun r = run(c.link, c.command, c.command[0] != "info");
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(contains(r.err, c.err)) << r.err;
        EXPECT_FALSE(contains(r.err, "not connected")) << r.err;
        EXPECT_EQ(r.out.substr(r.out.size() - std::min(r.out.size(), c.outEnd.size())), c.outEnd) << r.out;
        if (c.outEnd.empty()) {
            EXPECT_EQ(r.out, "") << "nothing printed from what failed";
        }
    }

    // A device that closes the connection in order, instead of answering.
    const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(listener, 1), 0);
    ASSERT_EQ(::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length), 0);
    std::thread closer([listener] {
        const int client = ::accept(listener, nullptr, nullptr);
        char request[64];
        if (client >= 0 && ::recv(client, request, sizeof request, 0) > 0)
            ::shutdown(client, SHUT_RDWR);
        if (client >= 0)
            ::close(client);
    });
    const std::string where = "127.0.0.1:" + std::to_string(ntohs(address.sin_port));
    const CtlRun closed = ctl({"--tcp", where, "--model", "T", "info"});
    closer.join();
    ::close(listener);
    EXPECT_EQ(closed.status, 1);
    EXPECT_EQ(closed.err, "qlx700ctl: reading register 2002 on " + where + " failed: connection closed by the device\n");
}

TEST(CtlExactness, AWrongModelIsNamed)
{
    auto sim = qlxsim::SimServer::start({.model = "T"}, {.serial = true});
    std::vector<std::string> link = serialLink(*sim);
    link.insert(link.end(), {"--model", "P"});
    const CtlRun r = run(link, {"info"}, false);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(contains(r.err, "the device is a QLX700-T (signature 23847), not a QLX700-P")) << r.err;

    auto membrane = qlxsim::SimServer::start({.model = "T-membrane"}, {.serial = true});
    const CtlRun monitor = run(serialLink(*membrane), {"monitor", "--count", "1"});
    EXPECT_EQ(monitor.status, 1) << "a device this tool has no live view of is no usage error";
}

// A P whose unit index addresses no unit answered every read: the cause is the index,
// not a link failure, and no file is written.
TEST(CtlExactness, SaveOfAPWithAUnitIndexOutsideTheBusNamesTheIndex)
{
    auto sim = qlxsim::SimServer::start({.model = "P"}, {.serial = true});
    sim->setReg(1951, 20);
    TempFolder folder;
    std::vector<std::string> link = serialLink(*sim);
    link.insert(link.end(), {"--model", "P"});
    const CtlRun r = run(link, {"save", (folder / "p.conf").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "qlx700ctl: the unit index (register 1951) is 20, outside 0..15: no unit's configuration to read\n");
    EXPECT_FALSE(std::filesystem::exists(folder / "p.conf"));
}

TEST(CtlExactness, MonitorReconnectsAtOnceAndRepeatsTheSampleAResetCost)
{
    // Connecting takes three requests (signature, password, inverted logic), then one
    // a sample: the third sample's request meets the reset, on every connection.
    auto sim = qlxsim::SimServer::start({.model = "T", .faults = "reset-after=5"}, {.tcp = true});
    const CtlRun r = run(tcpLink(*sim), {"monitor", "--count", "4"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_FALSE(contains(r.out, "no answer")) << r.out;
    const std::vector<std::string> seconds = monitorSeconds(r.out);
    EXPECT_EQ(seconds.size(), 4u) << r.out;
    EXPECT_TRUE(allDifferent(seconds)) << r.out;
    // The lines of samples 2 and 3 enclose the reconnection: sample 3 is taken again.
    const auto reconnected = r.out.find("# connection lost; reconnecting\n# reconnected\n");
    ASSERT_NE(reconnected, std::string::npos) << r.out;
    EXPECT_LT(r.out.find(seconds[1]), reconnected) << r.out;
    EXPECT_LT(reconnected, r.out.find(seconds[2])) << r.out;
    EXPECT_EQ(sim->tcpAcceptCount(), 2u);

    auto silent = qlxsim::SimServer::start({.model = "T", .faults = "silent-after=4"}, {.serial = true});
    const CtlRun quiet = run(serialLink(*silent), {"monitor", "--give-up", "1"});
    EXPECT_EQ(quiet.status, 1);
    EXPECT_TRUE(contains(quiet.err, "no answer for 1 s: time-out")) << quiet.err;
}

// A sample that times out on serial (two seconds) overruns the ticks after it: the
// next sample waits for the next whole tick instead of running at once, so no two
// lines show the same device second. With the read retried, the lost reply costs
// no sample at all.
TEST(CtlExactness, MonitorOnSerialDoesNotRunMissedTicksBackToBack)
{
    auto sim = qlxsim::SimServer::start({.model = "T"}, {.serial = true});
    ASSERT_EQ(run(serialLink(*sim), {"monitor", "--count", "1"}).status, 0);
    const std::uint64_t connectAndOneSample = sim->requestCount();
    for (const std::string retries : {"0", "2"}) {
        SCOPED_TRACE("--retries " + retries);
        // The second sample's first request meets a silence that is over before its time-out.
        sim->setFaults("silent-after=" + std::to_string(connectAndOneSample) + ",silent-for=1500ms");
        std::vector<std::string> link = serialLink(*sim);
        link.insert(link.begin(), {"--retries", retries});
        const CtlRun r = run(link, {"monitor", "--count", "4"});
        const std::vector<std::string> seconds = monitorSeconds(r.out);
        EXPECT_TRUE(allDifferent(seconds)) << r.out;
        if (retries == "0") {
            EXPECT_EQ(seconds.size(), 3u) << r.out;
            EXPECT_TRUE(contains(r.out, "# sample 2: no answer (time-out")) << r.out;
            EXPECT_EQ(r.status, 1) << r.err;
        } else {
            EXPECT_EQ(seconds.size(), 4u) << r.out;
            EXPECT_EQ(r.status, 0) << r.err;
        }
    }
}

TEST(CtlExactness, ASecondProcessCannotShareThePort)
{
    auto sim = qlxsim::SimServer::start({.model = "T"}, {.serial = true});
    PollEventPump pump;
    DeviceLink holder(pump);
    ASSERT_TRUE(holder.openSerial(sim->serialPath(), {9600, 0, 0}, false));
    const CtlRun r = run(serialLink(*sim), {"info"}, false);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(contains(r.err, "cannot open serial port " + sim->serialPath() + ": port busy")) << r.err;
}

// The whole file is read and checked before the first write: a bad value anywhere
// writes nothing, not even the backup.
TEST(CtlExactness, LoadChecksTheWholeFileBeforeTheFirstWrite)
{
    ScopedDataFolder data; // backups go to a data folder of the test's own
    TempFolder tmp;
    auto sim = qlxsim::SimServer::start({.model = "T"}, {.serial = true});
    ASSERT_EQ(run(serialLink(*sim), {"save", (tmp / "good.conf").string()}).status, 0);
    const std::string good = TempFolder::read(tmp / "good.conf");
    // The last row of the file, far behind everything a load would write before it.
    const auto last = good.rfind("\r\n", good.size() - 3);
    const std::string lastKey = good.substr(last + 2, good.find('=', last) - last - 2);
    TempFolder::write(tmp / "bad.conf", withValue(good, lastKey, "70000"));
    sim->setReg(1500, 2);
    const std::uint64_t before = sim->writeCount();
    const CtlRun refused = run(serialLink(*sim), {"load", (tmp / "bad.conf").string()});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(contains(refused.err, lastKey + " = 70000 is outside 0..65535")) << refused.err;
    EXPECT_EQ(sim->writeCount(), before) << "nothing written";
    EXPECT_FALSE(std::filesystem::exists(data.folder / "backups"));

    // Values that are no integers take their default, with one warning line each.
    for (const char* text : {"nan", "1e30", "0x10", "12abc"}) {
        TempFolder::write(tmp / "soft.conf", withValue(good, "UnidadeIndicacao", text));
        const CtlRun soft = run(serialLink(*sim), {"load", (tmp / "soft.conf").string()});
        EXPECT_EQ(soft.status, 0) << text << ": " << soft.err;
        EXPECT_TRUE(contains(soft.err, std::string("warning: UnidadeIndicacao = ") + text + " is not an integer"))
            << soft.err;
        const CtlRun strict = run(serialLink(*sim), {"load", (tmp / "soft.conf").string(), "--strict"});
        EXPECT_EQ(strict.status, 1) << text;
        EXPECT_TRUE(contains(strict.err, "not an integer")) << strict.err;
    }
}

// An integer no register can hold is a wrong value, never a missing one that takes its
// default: the file is refused before the first write, with or without --strict. A
// signature that is no integer counts as absent (with a warning), or refuses the file
// with --strict.
TEST(CtlExactness, LoadRefusesIntegersTooLargeForAnyRegister)
{
    ScopedDataFolder data;
    TempFolder tmp;
    auto sim = qlxsim::SimServer::start({.model = "T"}, {.serial = true});
    sim->setReg(1432, 7); // ModbusTxDelay3
    ASSERT_EQ(run(serialLink(*sim), {"save", (tmp / "good.conf").string()}).status, 0);
    const std::string good = TempFolder::read(tmp / "good.conf");
    struct Case {
        const char* key;
        const char* value;
        bool strict;
        int status;
        std::string message;
    };
    const Case cases[] = {
        {"ModbusTxDelay3", "9223372036854775808", false, 1, "[ConfSerial] ModbusTxDelay3 = 9223372036854775808 is outside 0..65535"},
        {"ModbusTxDelay3", "9223372036854775808", true, 1, "[ConfSerial] ModbusTxDelay3 = 9223372036854775808 is outside 0..65535"},
        {"ModbusTxDelay3", "-99999999999999999999", false, 1, "ModbusTxDelay3 = -99999999999999999999 is outside 0..65535"},
        {"ModbusTxDelay3", "9223372036854775807", false, 1, "ModbusTxDelay3 = 9223372036854775807 is outside 0..65535"},
        {"Senha", "+18446744073709551616", false, 1, "[GeneralConf] Senha = +18446744073709551616 is not a 32-bit number"},
        {"IpAddr", "4294967296", false, 1, "[GeneralConf] IpAddr = 4294967296 is not a 32-bit number"},
        {"DeviceSignature", "9223372036854775808", false, 1, "DeviceSignature = 9223372036854775808 is not a device signature"},
        {"DeviceSignature", "abc", true, 1, "[GeneralConf] DeviceSignature = abc is not an integer"},
        {"DeviceSignature", "abc", false, 0, "warning: DeviceSignature = abc is not an integer; its default is taken"},
    };
    for (const Case& c : cases) {
        const std::string what = std::string(c.key) + "=" + c.value + (c.strict ? " --strict" : "");
        TempFolder::write(tmp / "in.conf", withValue(good, c.key, c.value));
        sim->setReg(1500, 2); // the file says 0
        const std::uint64_t writes = sim->writeCount();
        std::vector<std::string> load{"load", (tmp / "in.conf").string()};
        if (c.strict)
            load.push_back("--strict");
        const CtlRun r = run(serialLink(*sim), load);
        EXPECT_EQ(r.status, c.status) << what << ": " << r.err;
        EXPECT_TRUE(contains(r.err, c.message)) << what << ": " << r.err;
        EXPECT_EQ(sim->reg(1432), 7) << what;
        if (c.status != 0) {
            EXPECT_EQ(sim->writeCount(), writes) << what << ": nothing written";
            EXPECT_EQ(sim->reg(1500), 2) << what;
            EXPECT_EQ(r.out, "") << what << ": not even a backup";
        } else {
            EXPECT_EQ(sim->reg(1500), 0) << what << ": loaded as a file without a signature";
        }
    }
    const auto backups = std::filesystem::directory_iterator(data.folder / "backups");
    EXPECT_EQ(std::distance(backups, std::filesystem::directory_iterator()), 1) << "only the loaded file made a backup";
}

// Over TCP the device acknowledges writes it then ignores: the load reads them back
// and names every register that differs.
TEST(CtlExactness, LoadOverTcpReportsEveryRegisterThatDidNotStick)
{
    ScopedDataFolder data; // backups go to a data folder of the test's own
    TempFolder tmp;
    auto sim = qlxsim::SimServer::start({.model = "T"}, {.tcp = true});
    ASSERT_EQ(run(tcpLink(*sim), {"save", (tmp / "t.conf").string()}).status, 0);
    sim->setReg(201, 1);
    sim->setReg(211, 1);
    sim->setFaults("ignore-writes");
    const CtlRun r = run(tcpLink(*sim), {"load", (tmp / "t.conf").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(contains(r.err, "UnidadeIndicacao (register 201) reads 1, not 0")) << r.err;
    EXPECT_TRUE(contains(r.err, "(register 211) reads 1, not 0")) << r.err;
}

TEST(CtlExactness, AnInterruptedSavesTemporaryFileIsRemovedByTheNextSave)
{
    TempFolder tmp;
    auto sim = qlxsim::SimServer::start({.model = "T"}, {.serial = true});
    TempFolder::write(tmp / ".t.conf.Ab3xYz", "[GeneralConf]\r\n");
    TempFolder::write(tmp / ".other.conf.Ab3xYz", "kept: not this file's");
    ASSERT_EQ(run(serialLink(*sim), {"save", (tmp / "t.conf").string()}).status, 0);
    EXPECT_FALSE(std::filesystem::exists(tmp / ".t.conf.Ab3xYz"));
    EXPECT_TRUE(std::filesystem::exists(tmp / ".other.conf.Ab3xYz"));
    EXPECT_TRUE(std::filesystem::exists(tmp / "t.conf"));
}
