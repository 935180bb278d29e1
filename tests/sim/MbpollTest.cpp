// A Modbus master nobody here wrote (mbpoll, on libmodbus) against the simulator's pseudo-terminal.
#include "support/ProcessRunner.h"
#include "SimServer.h"

#include <gtest/gtest.h>

using namespace simtest;

namespace {

class Mbpoll : public ::testing::Test {
protected:
    void SetUp() override { sim = qlxsim::SimServer::start({.model = "T"}, {.serial = true}); }

    // mbpoll with 0-based references, so -r is the device's register number.
    int run(const std::string& reg, const std::vector<std::string>& extra, std::string& out)
    {
        std::vector<std::string> argv{"mbpoll", "-m", "rtu", "-a", "1", "-b", "9600", "-P", "none",
                                      "-0", "-1", "-o", "2", "-r", reg};
        argv.insert(argv.end(), extra.begin(), extra.end());
        return runProgram(argv, out);
    }

    std::unique_ptr<qlxsim::SimServer> sim;
};

} // namespace

TEST_F(Mbpoll, ReadsTheSignature)
{
    std::string out;
    EXPECT_EQ(run("2002", {"-c", "1", sim->serialPath()}, out), 0) << out;
    EXPECT_NE(out.find("[2002]: \t23847"), std::string::npos) << out;
}

TEST_F(Mbpoll, WritesARegisterAndReadsItBack)
{
    std::string out;
    ASSERT_EQ(run("201", {sim->serialPath(), "2"}, out), 0) << out;
    EXPECT_NE(out.find("Written 1 references"), std::string::npos) << out;
    ASSERT_EQ(run("1", {sim->serialPath(), "90", "91", "92"}, out), 0) << out;
    ASSERT_EQ(run("201", {"-c", "1", sim->serialPath()}, out), 0) << out;
    EXPECT_NE(out.find("[201]: \t2"), std::string::npos) << out;
    ASSERT_EQ(run("1", {"-c", "3", sim->serialPath()}, out), 0) << out;
    EXPECT_NE(out.find("[1]: \t90\n[2]: \t91\n[3]: \t92"), std::string::npos) << out;
}

TEST_F(Mbpoll, RefusedWriteIsAnException)
{
    std::string out;
    EXPECT_NE(run("1", {sim->serialPath(), "300"}, out), 0) << out;
    EXPECT_NE(out.find("Illegal data value"), std::string::npos) << out;
    EXPECT_EQ(sim->reg(1), 100);
}
