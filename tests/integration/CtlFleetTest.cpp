// qlx700ctl fleet walks a whole list of simulated devices: the good ones saved exactly as
// single saves, each failure named in its row, one failure never stopping the others.
#include "support/CtlRunner.h"
#include "support/FileText.h"
#include "support/TempFolder.h"
#include "SimServer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string tcpListLink(const qlxsim::SimServer& sim)
{
    return "tcp:127.0.0.1:" + std::to_string(sim.tcpPort());
}

// A configuration file without the moment it was written.
std::string withoutSaveTime(const std::string& text)
{
    std::istringstream in(text);
    std::string line;
    std::string kept;
    while (std::getline(in, line)) {
        if (line.rfind("DateTimeGenerated=", 0) != 0)
            kept += line + "\n";
    }
    return kept;
}

} // namespace

TEST(CtlFleet, SavesTheGoodDevicesAndNamesEachFailure)
{
    setenv("QLX700_PASSWORD", "QWKZ", 1);
    setenv("FLEET_OTHER_PASSWORD", "ABCD", 1);
    auto t = qlxsim::SimServer::start({.model = "T"}, {.tcp = true});
    auto r = qlxsim::SimServer::start({.model = "R"}, {.udp = true});
    auto p = qlxsim::SimServer::start({.model = "P"}, {.serial = true});
    auto silent = qlxsim::SimServer::start({.model = "C", .faults = "drop"}, {.tcp = true});
    auto otherPassword = qlxsim::SimServer::start({.model = "T"}, {.tcp = true});
    TempFolder folder;
    TempFolder::write(folder / "list.csv",
                      "name,link,model,address,password_env\n"
                      "t1," + tcpListLink(*t) + ",T,,\n"
                      "r1,udp:127.0.0.1:" + std::to_string(r->udpPort()) + ",,,\n"
                      "p1,\"serial:" + p->serialPath() + "@9600,8N1\",P,,\n"
                      "silent," + tcpListLink(*silent) + ",,,\n"
                      "wrongpw," + tcpListLink(*otherPassword) + ",,,FLEET_OTHER_PASSWORD\n"
                      "wrongmodel," + tcpListLink(*t) + ",C,,\n"
                      "refused,tcp:127.0.0.1:1,,,\n");
    const fs::path out = folder / "backups";
    const CtlRun run = ctl({"fleet", "save", (folder / "list.csv").string(), "--out", out.string(), "--jobs", "3"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "qlx700ctl: 4 of 7 devices failed\n");

    // The table on stdout and summary.csv hold the same rows, in the list's order.
    const std::vector<std::string> csv = textLines(readFile(out / "summary.csv"));
    ASSERT_EQ(csv.size(), 8u) << readFile(out / "summary.csv");
    EXPECT_EQ(csv[0], "name,model,serial,result,seconds");
    EXPECT_EQ(csv[1].rfind("t1,QLX700-T,1234," + (out / "t1_1234_").string(), 0), 0u) << csv[1];
    EXPECT_EQ(csv[2].rfind("r1,QLX700-R,", 0), 0u) << csv[2];
    EXPECT_EQ(csv[3].rfind("p1,QLX700-P,", 0), 0u) << csv[3];
    EXPECT_NE(csv[4].find("silent,,,"), std::string::npos) << csv[4];
    EXPECT_NE(csv[5].find("wrongpw,QLX700-T,,wrong password,"), std::string::npos) << csv[5];
    EXPECT_NE(csv[6].find("not a QLX700-C"), std::string::npos) << csv[6];
    EXPECT_NE(csv[7].find("refused,,,cannot connect to 127.0.0.1:1"), std::string::npos) << csv[7];
    EXPECT_EQ(textLines(run.out).size(), 8u) << run.out;

    // Each file is what a single save of that device writes, the save time aside.
    struct Single {
        std::string name;
        std::vector<std::string> link;
    };
    const std::vector<Single> singles{{"t1_", {"--tcp", "127.0.0.1:" + std::to_string(t->tcpPort())}},
                                      {"r1_", {"--udp", "127.0.0.1:" + std::to_string(r->udpPort())}},
                                      {"p1_", {"--serial", p->serialPath(), "--model", "P"}}};
    int files = 0;
    for (const auto& entry : fs::directory_iterator(out)) {
        const std::string name = entry.path().filename().string();
        if (name == "summary.csv")
            continue;
        ++files;
        for (const Single& s : singles) {
            if (name.rfind(s.name, 0) != 0)
                continue;
            const fs::path single = folder / (s.name + "single.conf");
            std::vector<std::string> args = s.link;
            args.insert(args.end(), {"save", single.string()});
            ASSERT_EQ(ctlWithPassword({}, args).status, 0) << name;
            EXPECT_EQ(withoutSaveTime(readFile(entry.path())), withoutSaveTime(readFile(single))) << name;
        }
    }
    EXPECT_EQ(files, 3);
}

// Devices on one serial port go one after the other: the port opens exclusively, so a
// second device on it at the same time would find it busy.
TEST(CtlFleet, DevicesOfOneSerialPortShareItInTurn)
{
    setenv("QLX700_PASSWORD", "QWKZ", 1);
    auto t = qlxsim::SimServer::start({.model = "T"}, {.serial = true});
    TempFolder folder;
    std::string list = "name,link,model,address,password_env\n";
    for (int i = 0; i < 3; ++i)
        list += "bus" + std::to_string(i) + ",serial:" + t->serialPath() + ",,,\n";
    TempFolder::write(folder / "list.csv", list);
    const CtlRun run = ctl({"fleet", "info", (folder / "list.csv").string()});
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    const std::vector<std::string> rows = textLines(run.out);
    ASSERT_EQ(rows.size(), 4u) << run.out;
    for (int i = 1; i <= 3; ++i)
        EXPECT_NE(rows[i].find("QLX700-T  1234"), std::string::npos) << rows[i];
}

TEST(CtlFleet, AMalformedListIsRefusedBeforeAnyTraffic)
{
    auto t = qlxsim::SimServer::start({.model = "T"}, {.tcp = true});
    TempFolder folder;
    TempFolder::write(folder / "list.csv", "name,link,model,address,password_env\n"
                                           "good," + tcpListLink(*t) + ",,,\n"
                                           "bad,tcp:127.0.0.1:99999,,,\n"
                                           "worse,tcp:h,X,,\n");
    const CtlRun run = ctl({"fleet", "save", (folder / "list.csv").string(), "--out", (folder / "out").string()});
    EXPECT_EQ(run.status, 2);
    const std::string prefix = "qlx700ctl: " + (folder / "list.csv").string() + ": ";
    EXPECT_NE(run.err.find(prefix + "line 3: tcp: needs HOST[:PORT]"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(prefix + "line 4: the model is one of"), std::string::npos) << run.err;
    EXPECT_EQ(t->tcpAcceptCount(), 0u);
    EXPECT_FALSE(fs::exists(folder / "out"));

    EXPECT_EQ(ctl({"fleet", "save", (folder / "list.csv").string()}).status, 2) << "--out is needed";
    EXPECT_EQ(ctl({"--tcp", "h", "fleet", "info", (folder / "list.csv").string()}).status, 2);
}
