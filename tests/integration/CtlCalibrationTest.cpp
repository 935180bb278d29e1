// qlx700ctl calibration against the simulated devices over serial and TCP: the pairs
// the device holds as it holds them, the record's points from the data folder, and a
// device that stops answering.
#include "CtlLinks.h"
#include "SimServer.h"
#include "device/DeviceModel.h"
#include "settings/CalibrationStore.h"
#include "support/CtlRunner.h"
#include "support/ScopedDataFolder.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {


CtlRun calibrationCtl(std::vector<std::string> link, const std::string& model)
{
    link.insert(link.end(), {"--model", model, "--password", "QWKZ", "calibration"});
    return ctl(link);
}

// "label   value" lines by label; a label printed twice fails the test.
std::map<std::string, std::string> items(const std::string& text)
{
    std::map<std::string, std::string> found;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        const auto gap = line.find("  ");
        EXPECT_NE(gap, std::string::npos) << line;
        const auto value = line.find_first_not_of(' ', gap);
        EXPECT_TRUE(found.emplace(line.substr(0, gap), line.substr(value)).second) << line;
    }
    return found;
}

std::vector<std::string> words(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

using Words = std::vector<std::string>;

void setFloat(qlxsim::SimServer& sim, int first, std::uint16_t low, std::uint16_t high)
{
    sim.setReg(static_cast<std::uint16_t>(first), low);
    sim.setReg(static_cast<std::uint16_t>(first + 1), high);
}

struct ModelCase {
    std::string model;
    int rtds;
    std::string lastInput; // the input whose gain is in slot 2
    int inputs;
};

} // namespace

TEST(CtlCalibration, PrintsEveryPairTheDeviceHoldsAsItHoldsIt)
{
    const ModelCase cases[] = {
        {"T", 6, "current input 3", 3}, {"P", 6, "current input 3", 3}, {"R", 1, "voltage input 2", 2},
        {"IRR", 6, "current input 3", 3}, {"C", 6, "current input 3", 3},
    };
    for (const ModelCase& m : cases) {
        SCOPED_TRACE(m.model);
        auto sim = qlxsim::SimServer::start({.model = m.model}, {.serial = true, .tcp = true});
        setFloat(*sim, 2540, 0x0000, 0x3FA0); // RTD 1 gain 1.25
        setFloat(*sim, 2604, 0x0000, 0x3F00); // slot 2 gain 0.5
        setFloat(*sim, 2636, 0x0000, 0xBF00); // output 4, 0-1.5 mA offset -0.5
        setFloat(*sim, 2522, 0xFFFF, 0x7FFF); // output 2, 0-32 mA offset NaN
        setFloat(*sim, 2622, 0x0000, 0x7F80); // output 2, 0-1.5 mA gain +infinity
        sim->setReg(2530, 12745);
        sim->setReg(2501, 4464);
        sim->setReg(2502, 1); // serial number 70000
        for (const auto& link : ctlLinks(*sim)) {
            SCOPED_TRACE(link[0]);
            ScopedDataFolder data;
            const CtlRun r = calibrationCtl(link, m.model);
            ASSERT_EQ(r.status, 0) << r.err;
            EXPECT_EQ(r.err, "");
            const auto found = items(r.out);
            // Six RTDs, three inputs and eight output pairs, or the R's one and two.
            EXPECT_EQ(found.size(), 3u + 2u * (m.rtds + m.inputs + 8) + 1u) << r.out;
            EXPECT_EQ(found.at("model"), "QLX700-" + m.model);
            EXPECT_EQ(found.at("serial number"), "70000");
            EXPECT_EQ(found.at("127-ohm reference"), "127.45 ohm");
            EXPECT_EQ(found.at("RTD 1 gain"), "1.25");
            EXPECT_EQ(found.at("RTD " + std::to_string(m.rtds) + " offset"), "0");
            EXPECT_EQ(found.count("RTD " + std::to_string(m.rtds + 1) + " gain"), 0u);
            EXPECT_EQ(found.at(m.lastInput + " gain"), "0.5");
            EXPECT_EQ(found.at("current input 1 gain"), "1");
            EXPECT_EQ(found.at("output 4 0-1.5mA offset"), "-0.5");
            EXPECT_EQ(found.at("output 2 0-32mA offset"), "nan");
            EXPECT_EQ(found.at("output 2 0-1.5mA gain"), "inf");
            EXPECT_EQ(found.at("output 1 0-32mA gain"), "1");
            EXPECT_EQ(found.at("record"), "none (no calib70000.ini in " + data.folder.path().string() + ")");
        }
        EXPECT_EQ(sim->writeCount(), 0u) << "the command only reads";
    }
}

TEST(CtlCalibration, PrintsTheRecordsPointsForTheDevicesSerialNumber)
{
    ScopedDataFolder data;
    CalibrationRecord record;
    record.RtdInputs[0].PointCount = 2;
    record.RtdInputs[0].X = {100.0f, 120.0f};
    record.RtdInputs[0].Y = {100.5f, 120.9f};
    record.RtdInputs[0].Gain = 1.02f;
    record.RtdInputs[0].Offset = -1.5f;
    record.RtdInputs[1].PointCount = 1; // a second channel, which the R does not have
    record.CurrentOutputs1_5mA[3].PointCount = 1;
    record.CurrentOutputs1_5mA[3].X[0] = 0.7f;
    record.CurrentOutputs1_5mA[3].Y[0] = 0.75f;
    record.CurrentInputs[1].PointCount = 1; // the R's voltage input
    record.CurrentInputs[1].Y[0] = 220.0f;
    CalibrationStore store;
    std::string error;
    ASSERT_TRUE(store.save(record, 1234, data.folder.path(), error)) << error;
    CalibrationRecord other;
    other.RtdInputs[2].PointCount = 3;
    ASSERT_TRUE(store.save(other, 99, data.folder.path(), error)) << error;

    for (const std::string model : {"T", "R"}) {
        SCOPED_TRACE(model);
        auto sim = qlxsim::SimServer::start({.model = model}, {.serial = true, .tcp = true});
        for (const auto& link : ctlLinks(*sim)) {
            SCOPED_TRACE(link[0]);
            const CtlRun r = calibrationCtl(link, model);
            ASSERT_EQ(r.status, 0) << r.err;
            const auto found = items(r.out);
            EXPECT_EQ(found.at("serial number"), "1234");
            EXPECT_EQ(found.at("record"), (data.folder / "calib1234.ini").string());
            EXPECT_EQ(found.at("RTD 1 points"), "2 (measured ohm, expected ohm)");
            EXPECT_EQ(words(found.at("RTD 1 point 1")), (Words{"100", "100.5"}));
            EXPECT_EQ(words(found.at("RTD 1 point 2")), (Words{"120", "120.9"}));
            EXPECT_EQ(found.at("RTD 1 record gain"), "1.02");
            EXPECT_EQ(found.at("RTD 1 record offset"), "-1.5");
            EXPECT_EQ(found.count("RTD 1 point 3"), 0u) << "only the points in use";
            EXPECT_EQ(words(found.at("output 4 0-1.5mA point 1")), (Words{"0.7", "0.75"}));
            EXPECT_EQ(found.count("RTD 2 points"), model == "R" ? 0u : 1u);
            EXPECT_EQ(found.count("RTD 3 points"), 0u) << "another device's record";
            if (model == "R")
                EXPECT_EQ(found.at("voltage input 2 points"), "1 (measured V, applied V)");
            else
                EXPECT_EQ(found.at("current input 2 points"), "1 (measured A, applied A)");
        }
    }
    EXPECT_FALSE(std::filesystem::exists(data.folder / "conf.ini")) << "the command writes nothing";
}

TEST(CtlCalibration, ASilentDeviceFailsAndPrintsNoNumbersAndTheUsageIsChecked)
{
    ScopedDataFolder data;
    for (const bool tcp : {false, true}) {
        const qlxsim::SimTransports transport{.serial = !tcp, .tcp = tcp};
        // How many requests a whole run takes, then devices that fall silent from the
        // start and three requests before the end, when the first blocks have arrived.
        auto probe = qlxsim::SimServer::start({.model = "T"}, transport);
        ASSERT_EQ(calibrationCtl(ctlLinks(*probe)[tcp ? 1 : 0], "T").status, 0);
        const std::uint64_t whole = probe->requestCount();
        for (const std::uint64_t answered : {std::uint64_t{0}, whole - 3}) {
            SCOPED_TRACE((tcp ? "tcp, silent after " : "serial, silent after ") + std::to_string(answered));
            auto sim = qlxsim::SimServer::start({.model = "T", .faults = "silent-after=" + std::to_string(answered)},
                                                transport);
            const CtlRun r = calibrationCtl(ctlLinks(*sim)[tcp ? 1 : 0], "T");
            EXPECT_EQ(r.status, 1);
            EXPECT_EQ(r.out, "");
            EXPECT_NE(r.err.find(answered == 0 ? "reading register 2002" : "reading register 2520"), std::string::npos)
                << r.err;
        }
    }
    const CtlRun extra = ctl({"--serial", "/dev/null", "--password", "QWKZ", "calibration", "now"});
    EXPECT_EQ(extra.status, 2);
    EXPECT_NE(extra.err.find("calibration takes no arguments"), std::string::npos) << extra.err;
    EXPECT_NE(ctl({"--help"}).out.find("\n  calibration  "), std::string::npos);
}
