// qlx700ctl records against the simulated QLX700-IRR over serial and TCP: the same
// records file as the window's page, erase, a device that falls silent, and the models
// that keep no irrigation records.
#include "support/CtlRunner.h"
#include "support/FileText.h"
#include "support/TempFolder.h"
#include "SimServer.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace {

CtlRun irrigationCtl(std::vector<std::string> link, const std::vector<std::string>& command)
{
    link.insert(link.end(), {"--model", "IRR"});
    return ctlWithPassword(std::move(link), command);
}

const std::string kRecordsHeader = "Hora, Pluvi\xF4metro, Hidr\xF4metro, Temperatura\r\n";
const std::string kFirstRecordLine = "01/11/26 06:00, 0.0 mm, 300 L, 20.0 C\r\n";

std::vector<std::string> irrigationLink(const qlxsim::SimServer& sim, bool tcp)
{
    if (tcp)
        return {"--tcp", "127.0.0.1:" + std::to_string(sim.tcpPort())};
    return {"--serial", sim.serialPath()};
}

// How many records the device holds, read by a fault-free save.
std::size_t recordsHeld(qlxsim::SimServer& sim, const TempFolder& folder)
{
    sim.setFaults("");
    const auto file = folder / "held.txt";
    const CtlRun r = irrigationCtl(irrigationLink(sim, true), {"records", "save", file.string()});
    EXPECT_EQ(r.status, 0) << r.err;
    return crlfLines(readFile(file)).size() - 1;
}

} // namespace

TEST(CtlIrrigationRecords, SaveWritesThePagesFileAndEraseEmptiesTheStore)
{
    auto sim = qlxsim::SimServer::start({.model = "IRR", .preset = "irr-records-3"}, {.serial = true, .tcp = true});
    TempFolder folder;
    const std::vector<std::vector<std::string>> links{{"--serial", sim->serialPath()},
                                                      {"--tcp", "127.0.0.1:" + std::to_string(sim->tcpPort())}};
    for (const auto& link : links) {
        const auto file = folder / ("records-" + link[0].substr(2) + ".txt");
        const CtlRun r = irrigationCtl(link, {"records", "save", file.string()});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, "3 records saved in " + file.string() + "\n");
        EXPECT_EQ(r.err, ""); // progress only at a terminal
        EXPECT_EQ(readFile(file), "Hora, Pluvi\xF4metro, Hidr\xF4metro, Temperatura\r\n"
                                  "01/11/26 06:00, 0.0 mm, 300 L, 20.0 C\r\n"
                                  "02/11/26 07:07, 1.1 mm, 325 L, 21.1 C\r\n"
                                  "03/11/26 08:14, 2.2 mm, 350 L, 22.2 C\r\n");
    }
    const CtlRun erase = irrigationCtl(links[1], {"records", "erase"});
    ASSERT_EQ(erase.status, 0) << erase.err;
    EXPECT_EQ(erase.out, "records erased\n");
    const auto empty = folder / "empty.txt";
    ASSERT_EQ(irrigationCtl(links[0], {"records", "save", empty.string()}).status, 0);
    EXPECT_EQ(readFile(empty), "Hora, Pluvi\xF4metro, Hidr\xF4metro, Temperatura\r\n");
}

TEST(CtlIrrigationRecords, AReadingTheLinkCutsShortKeepsWhatArrivedAndFails)
{
    auto sim = qlxsim::SimServer::start({.model = "IRR", .preset = "irr-records-55"}, {.tcp = true});
    const std::vector<std::string> tcp{"--tcp", "127.0.0.1:" + std::to_string(sim->tcpPort())};
    TempFolder folder;
    const CtlRun whole = irrigationCtl(tcp, {"records", "save", (folder / "whole.txt").string()});
    ASSERT_EQ(whole.status, 0) << whole.err;
    EXPECT_EQ(whole.out, "50 records saved in " + (folder / "whole.txt").string() + "\n") << "never past the fiftieth";

    // The connection and the password, then a few records; then silence.
    const std::uint64_t perRun = sim->requestCount();
    sim->setFaults("silent-after=" + std::to_string(perRun - 20));
    const auto cut = folder / "cut.txt";
    const CtlRun r = irrigationCtl(tcp, {"records", "save", cut.string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("the reading stopped after "), std::string::npos) << r.err;
    const std::string kept = readFile(cut);
    const auto last = kept.rfind("INCOMPLETE: ");
    ASSERT_NE(last, std::string::npos) << "the file says it is incomplete";
    EXPECT_EQ(readFile(folder / "whole.txt").rfind(kept.substr(0, last), 0), 0u) << "then a prefix of the records";
    EXPECT_LT(last, readFile(folder / "whole.txt").size());
}

// A selection the device acknowledges without applying it (or answers with another
// status than its "no such record") is no end of the records: the save fails with the
// cause, and the file keeps what arrived and says it is incomplete.
TEST(CtlIrrigationRecords, ASelectionThatDoesNotTakeFailsAndTheFileSaysSo)
{
    struct Case {
        const char* faults;
        bool tcp;
        std::size_t kept;
        std::string cause;
    };
    const Case cases[] = {
        {"ignore-writes", false, 1, "selecting record 1 (register 4000) failed: read-back differs (register 4000 holds 0)"},
        {"ignore-writes", true, 1, "selecting record 1 (register 4000) failed: read-back differs (register 4000 holds 0)"},
        {"exception=4", true, 0, "selecting record 0 (register 4000) failed: refused write (status 4)"},
    };
    TempFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.faults) + (c.tcp ? " tcp" : " serial"));
        auto sim = qlxsim::SimServer::start({.model = "IRR", .preset = "irr-records-3"}, {.serial = true, .tcp = true});
        sim->setFaults(c.faults);
        const auto file = folder / "records.txt";
        const CtlRun r = irrigationCtl(irrigationLink(*sim, c.tcp), {"records", "save", file.string()});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        const std::string kept = std::to_string(c.kept);
        EXPECT_EQ(r.err, "qlx700ctl: the reading stopped after " + kept + " records (" + c.cause + "); " + file.string()
                             + " holds those " + kept + " and says it is incomplete\n");
        EXPECT_EQ(readFile(file), kRecordsHeader + (c.kept == 1 ? kFirstRecordLine : "") + "INCOMPLETE: " + kept + " records read; "
                                      + c.cause + "\r\n");
        EXPECT_EQ(recordsHeld(*sim, folder), 3u) << "a save changes nothing on the device";
    }
}

// The erase is checked: the store must refuse record 0 afterwards.
TEST(CtlIrrigationRecords, EraseFailsWhenTheDeviceStillHoldsRecords)
{
    struct Case {
        const char* faults;
        bool tcp;
        int status;
        std::string message;
        std::size_t held;
    };
    const Case cases[] = {
        {"", false, 0, "", 0},
        {"ignore-writes", false, 1, "the device acknowledged the erase (command 1130) but still holds records: record 0 can be selected", 3},
        {"ignore-writes", true, 1, "the device acknowledged the erase (command 1130) but still holds records: record 0 can be selected", 3},
        {"exception=4", true, 1, "erasing the records failed (command 1130): refused write (status 4)", 3},
    };
    TempFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.faults) + (c.tcp ? " tcp" : " serial"));
        auto sim = qlxsim::SimServer::start({.model = "IRR", .preset = "irr-records-3"}, {.serial = true, .tcp = true});
        sim->setFaults(c.faults);
        const CtlRun r = irrigationCtl(irrigationLink(*sim, c.tcp), {"records", "erase"});
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.out, c.status == 0 ? "records erased\n" : "");
        EXPECT_EQ(r.err, c.status == 0 ? "" : "qlx700ctl: " + c.message + "\n");
        EXPECT_EQ(recordsHeld(*sim, folder), c.held);
    }
}

TEST(CtlIrrigationRecords, OtherModelsAndBadArgumentsAreRefused)
{
    auto t = qlxsim::SimServer::start({.model = "T"}, {.serial = true});
    const CtlRun other = irrigationCtl({"--serial", t->serialPath()}, {"records", "erase"});
    EXPECT_EQ(other.status, 1);
    EXPECT_EQ(t->writeCount(), 0u);

    for (const auto& args : std::vector<std::vector<std::string>>{{"records"}, {"records", "save"}, {"records", "wipe"}}) {
        const CtlRun u = irrigationCtl({"--serial", "/dev/null"}, args);
        EXPECT_EQ(u.status, 2) << args[0] << " " << u.err;
    }
}
