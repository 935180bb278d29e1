#include "FleetList.h"

#include "device/DeviceType.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::vector<FleetDevice> parse(const std::string& text, std::vector<std::string>& errors)
{
    std::istringstream in(text);
    return parseFleetList(in, errors);
}

} // namespace

TEST(FleetList, ReadsEveryLinkKindWithItsDefaults)
{
    std::vector<std::string> errors;
    const auto devices = parse("# substation 4\n"
                               "name, link, model, address, password_env\r\n"
                               "\n"
                               "tr-1,tcp:10.0.0.5,T,,\n"
                               "tr_2,udp:10.0.0.6:5020,,7,PW_TR2\n"
                               "reg.3,serial:/dev/ttyUSB0@19200,8E1,R,12,\n"
                               "pump,serial:/dev/ttyUSB0,IRR,,\n"
                               "\"cap5\",\"serial:/dev/ttyUSB1@38400,8N2\",C,,\n",
                               errors);
    ASSERT_TRUE(errors.empty()) << errors.front();
    ASSERT_EQ(devices.size(), 5u) << errors.size();
    EXPECT_EQ(devices[0].name, "tr-1");
    EXPECT_EQ(devices[0].link.link, CtlOptions::Link::Tcp);
    EXPECT_EQ(devices[0].link.host, "10.0.0.5");
    EXPECT_EQ(devices[0].link.port, 43101);
    EXPECT_EQ(devices[0].link.model, kQLX700T);
    EXPECT_EQ(devices[0].link.address, 1);
    EXPECT_EQ(devices[0].passwordEnv, "QLX700_PASSWORD");
    EXPECT_EQ(devices[0].line, 4);
    EXPECT_EQ(devices[1].link.link, CtlOptions::Link::Udp);
    EXPECT_EQ(devices[1].link.port, 5020);
    EXPECT_FALSE(devices[1].link.model.has_value());
    EXPECT_EQ(devices[1].link.address, 7);
    EXPECT_EQ(devices[1].passwordEnv, "PW_TR2");
    EXPECT_EQ(devices[2].link.link, CtlOptions::Link::Serial);
    EXPECT_EQ(devices[2].link.serialPath, "/dev/ttyUSB0");
    EXPECT_EQ(devices[2].link.serial.baudRate, 19200);
    EXPECT_EQ(devices[2].link.serial.parity, 1);
    EXPECT_EQ(devices[2].link.model, kQLX700R);
    EXPECT_EQ(devices[3].link.serial.baudRate, 9600);
    EXPECT_EQ(devices[4].link.serialPath, "/dev/ttyUSB1");
    EXPECT_EQ(devices[4].link.serial.stopBits, 2);
}

TEST(FleetList, EveryMalformedLineIsNamedWithItsNumber)
{
    struct Case {
        std::string line;
        std::string why;
    };
    const std::vector<Case> cases{
        {"a,tcp:h", "expected 5 fields"},
        {"a b,tcp:h,,,", "the name 'a b' must be"},
        {"../x,tcp:h,,,", "the name '../x' must be"},
        {",tcp:h,,,", "the name '' must be"},
        {"a,ftp:h,,,", "the link is tcp:HOST[:PORT]"},
        {"a,tcp:,,,", "tcp: needs HOST[:PORT]"},
        {"a,udp:h:70000,,,", "udp: needs HOST[:PORT]"},
        {"a,serial:@9600,,,", "serial: needs a port path"},
        {"a,serial:/dev/x@12345,,,", "'12345' is not a speed"},
        {"a,serial:/dev/x@9600,7N1,,,", "expected 5 fields"},
        {"a,serial:/dev/x@9600;7N1,,,", "is not a speed"},
        {"a,tcp:h,Q,,", "the model is one of T, P, R, IRR, C, not 'Q'"},
        {"a,tcp:h,,0,", "the address is 1..247, not '0'"},
        {"a,tcp:h,,248,", "the address is 1..247, not '248'"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> errors;
        const auto devices = parse("name,link,model,address,password_env\nok,tcp:h,,,\n" + c.line + "\n", errors);
        ASSERT_EQ(errors.size(), 1u) << c.line;
        EXPECT_EQ(errors[0].rfind("line 3: ", 0), 0u) << errors[0];
        EXPECT_NE(errors[0].find(c.why), std::string::npos) << c.line << " -> " << errors[0];
    }

    std::vector<std::string> errors;
    parse("name,link,model,address,password_env\na,tcp:h,,,\na,tcp:k,,,\n", errors);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "line 3: the name 'a' is used twice");
    errors.clear();
    parse("name,address\n", errors);
    EXPECT_EQ(errors.at(0), "line 1: the header must be name,link,model,address,password_env");
    errors.clear();
    parse("# only a comment\n", errors);
    EXPECT_EQ(errors.size(), 1u);
    errors.clear();
    parse("name,link,model,address,password_env\n", errors);
    EXPECT_EQ(errors.at(0), "the list names no device");
}

TEST(FleetList, DevicesOfOneSerialPortFormOneGroupInTheListsOrder)
{
    std::vector<std::string> errors;
    const auto devices = parse("name,link,model,address,password_env\n"
                               "a,serial:/dev/ttyUSB0,,1,\n"
                               "b,tcp:h1,,,\n"
                               "c,serial:/dev/ttyUSB1,,1,\n"
                               "d,\"serial:/dev/ttyUSB0@19200,8E1\",,2,\n"
                               "e,tcp:h1,,,\n"
                               "f,serial:/dev/ttyUSB0,,3,\n",
                               errors);
    ASSERT_TRUE(errors.empty());
    const std::vector<std::vector<std::size_t>> want{{0, 3, 5}, {1}, {2}, {4}};
    EXPECT_EQ(fleetGroups(devices), want);
}
