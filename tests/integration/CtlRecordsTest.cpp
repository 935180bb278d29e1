// qlx700ctl events and maxima against the simulated QLX700-T over serial and TCP: the
// same log file as the window's download, erase, the maxima and their reset, and the
// models that keep no records.
#include "CtlLinks.h"
#include "SimServer.h"
#include "support/CtlRunner.h"
#include "support/FileText.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {


} // namespace

TEST(CtlRecords, EventsSaveWritesTheLogFileAndEraseEmptiesTheDevice)
{
    auto sim = qlxsim::SimServer::start({.model = "T", .preset = "t-events-25"}, {.serial = true, .tcp = true});
    sim->setReg(214, 0);
    TempFolder folder;
    for (const auto& link : ctlLinks(*sim)) {
        const auto file = folder / ("events-" + link[0].substr(2) + ".txt");
        const CtlRun r = ctlWithPassword(link, {"events", "save", file.string()});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, "25 events saved in " + file.string() + "\n");
        EXPECT_EQ(r.err, ""); // progress only at a terminal
        const std::string text = readFile(file);
        std::size_t lines = 0;
        for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; at += 2)
            ++lines;
        EXPECT_EQ(lines, 25u);
        EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    }
    const CtlRun erase = ctlWithPassword(ctlLinks(*sim)[1], {"events", "erase"});
    ASSERT_EQ(erase.status, 0) << erase.err;
    EXPECT_EQ(erase.out, "events erased\n");
    EXPECT_EQ(sim->reg(1800), 0);
}

// The erase is checked by the count it leaves in 1800.
TEST(CtlRecords, EventsEraseFailsWhenTheDeviceStillHoldsItsEvents)
{
    struct Case {
        const char* faults;
        bool tcp;
        int status;
        std::string message;
        int held;
    };
    const Case cases[] = {
        {"", false, 0, "", 0},
        {"ignore-writes", false, 1, "the device acknowledged the erase (command 100) but still holds 25 events (register 1800)", 25},
        {"ignore-writes", true, 1, "the device acknowledged the erase (command 100) but still holds 25 events (register 1800)", 25},
        {"exception=4", true, 1, "erasing the events failed (register 3000): refused write (status 4)", 25},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.faults) + (c.tcp ? " tcp" : " serial"));
        auto sim = qlxsim::SimServer::start({.model = "T", .preset = "t-events-25"}, {.serial = true, .tcp = true});
        sim->setReg(214, 0); // no event recorded meanwhile
        sim->setFaults(c.faults);
        const CtlRun r = ctlWithPassword(ctlLinks(*sim)[c.tcp ? 1 : 0], {"events", "erase"});
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.out, c.status == 0 ? "events erased\n" : "");
        EXPECT_EQ(r.err, c.status == 0 ? "" : "qlx700ctl: " + c.message + "\n");
        EXPECT_EQ(sim->reg(1800), c.held);
    }
}

TEST(CtlRecords, ACutDownloadKeepsWhatArrivedAndFails)
{
    auto sim = qlxsim::SimServer::start({.model = "T", .preset = "t-events-25"}, {.tcp = true});
    sim->setReg(214, 0);
    TempFolder folder;
    // The connection, the password and the three counts, then one page; then silence.
    const CtlRun whole = ctlWithPassword(ctlLinks(*sim)[1], {"events", "save", (folder / "whole.txt").string()});
    ASSERT_EQ(whole.status, 0) << whole.err;
    const std::uint64_t perRun = sim->requestCount();
    sim->setFaults("silent-after=" + std::to_string(perRun - 2));
    const auto cut = folder / "cut.txt";
    const CtlRun r = ctlWithPassword(ctlLinks(*sim)[1], {"events", "save", cut.string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("the download stopped after 20 of 25 events"), std::string::npos) << r.err;
    EXPECT_EQ(readFile(cut).size(), readFile(folder / "whole.txt").size() * 20 / 25) << "the first two pages are kept";
}

TEST(CtlRecords, MaximaPrintsTheNineAndResetZeroesThemAfterPrinting)
{
    auto sim = qlxsim::SimServer::start({.model = "T"}, {.serial = true});
    for (int i = 0; i < 9; ++i) {
        sim->setReg(static_cast<std::uint16_t>(701 + i), static_cast<std::uint16_t>(80 + i));
        sim->setReg(static_cast<std::uint16_t>(1710 + 3 * i), 0);
        sim->setReg(static_cast<std::uint16_t>(1711 + 3 * i), 0);
        sim->setReg(static_cast<std::uint16_t>(1712 + 3 * i), 0);
    }
    sim->setReg(1719, 1000); // RTD 1 reached its maximum one second into 1970
    const CtlRun r = ctlWithPassword(ctlLinks(*sim)[0], {"maxima"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "winding 1     80 degC  1970-01-01 00:00:00.000");
    EXPECT_NE(r.out.find("\nRTD 1         83 degC  1970-01-01 00:00:01.000\n"), std::string::npos) << r.out;
    EXPECT_EQ(sim->reg(701), 80) << "maxima without --reset changes nothing";

    const CtlRun reset = ctlWithPassword(ctlLinks(*sim)[0], {"maxima", "--reset"});
    ASSERT_EQ(reset.status, 0) << reset.err;
    EXPECT_EQ(reset.out.substr(reset.out.size() - 13), "maxima reset\n");
    for (int reg = 701; reg <= 709; ++reg)
        EXPECT_EQ(sim->reg(static_cast<std::uint16_t>(reg)), 0) << reg;
    EXPECT_EQ(sim->reg(1719), 0);
}

TEST(CtlRecords, ModelsWithoutRecordsAndBadArgumentsAreRefused)
{
    auto p = qlxsim::SimServer::start({.model = "P"}, {.serial = true});
    const CtlRun other = ctlWithPassword({"--serial", p->serialPath(), "--model", "P"}, {"maxima"});
    EXPECT_EQ(other.status, 1);
    EXPECT_NE(other.err.find("QLX700-P, which keeps no events or maxima"), std::string::npos) << other.err;

    auto membrane = qlxsim::SimServer::start({.model = "T-membrane"}, {.serial = true});
    const CtlRun m = ctlWithPassword({"--serial", membrane->serialPath()}, {"events", "erase"});
    EXPECT_EQ(m.status, 1);
    EXPECT_EQ(membrane->writeCount(), 0u);

    for (const auto& args : std::vector<std::vector<std::string>>{
             {"events"}, {"events", "save"}, {"events", "wipe"}, {"maxima", "now"}, {"events", "erase", "--reset"}}) {
        const CtlRun u = ctlWithPassword({"--serial", "/dev/null"}, args);
        EXPECT_EQ(u.status, 2) << args[0] << " " << u.err;
    }
}
