#include "app/PortPermission.h"
#include "app/PosixLocalAddressSource.h"
#include "app/PosixSerialPortSource.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <grp.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A /dev and /sys/class/tty of our own: adapters with and without a driver, UARTs
// known and unknown, and a by-id name for one adapter.
class AppSerialPorts : public ::testing::Test {
protected:
    AppSerialPorts()
    {
        fs::create_directories(dev / "serial" / "by-id");
        for (const char* name : {"ttyUSB0", "ttyUSB1", "ttyACM0", "ttyS0", "ttyS1", "ttyS10", "ttyS2", "tty0", "ttyUSBx"})
            TempFolder::write(dev / name, "");
        fs::create_symlink("../../ttyUSB1", dev / "serial" / "by-id" / "usb-Maker_Cable_A1-if00-port0");
        for (const char* name : {"ttyUSB1", "ttyACM0", "ttyS0", "ttyS1", "ttyS2", "ttyS10"}) {
            fs::create_directories(sys / name / "device" / "driver");
        }
        TempFolder::write(sys / "ttyS0" / "type", "4\n");
        TempFolder::write(sys / "ttyS1" / "type", "0\n");
        TempFolder::write(sys / "ttyS2" / "type", "4\n");
        TempFolder::write(sys / "ttyS10" / "type", "4\n");
    }

    TempFolder root;
    fs::path dev = root / "dev";
    fs::path sys = root / "sys";
};

} // namespace

TEST_F(AppSerialPorts, ListsByIdNamesThenDrivenPortsInNaturalOrder)
{
    PosixSerialPortSource source(dev, sys);
    const std::vector<SerialPortEntry> ports = source.ports();
    std::vector<std::string> names;
    for (const SerialPortEntry& p : ports)
        names.push_back(p.name);
    EXPECT_EQ(names, (std::vector<std::string>{"usb-Maker_Cable_A1-if00-port0", (dev / "ttyACM0").string(),
                                                (dev / "ttyS0").string(), (dev / "ttyS2").string(), (dev / "ttyS10").string()}));
    EXPECT_EQ(ports[0].path, (dev / "serial" / "by-id" / "usb-Maker_Cable_A1-if00-port0").string());
}

TEST_F(AppSerialPorts, AMissingDevFolderGivesAnEmptyList)
{
    PosixSerialPortSource source(root / "nothing", sys);
    EXPECT_TRUE(source.ports().empty());
}

TEST(AppLocalAddresses, ListsNoLoopbackAddress)
{
    PosixLocalAddressSource source;
    for (const std::string& a : source.addresses()) {
        EXPECT_NE(a.rfind("127.", 0), 0u) << a;
        EXPECT_NE(a, "0.0.0.0");
    }
}

TEST(AppPortPermission, NamesThePortsGroupOnlyForLackOfPermission)
{
    TempFolder folder;
    const fs::path port = folder / "ttyFAKE";
    TempFolder::write(port, "");
    const group* g = getgrgid(getgid());
    ASSERT_NE(g, nullptr);
    const std::string text = portPermissionText(port.string(), EACCES, 1);
    EXPECT_EQ(text, "No permission to open " + port.string() + ". Join the group " + g->gr_name + " (sudo usermod -aG "
                        + g->gr_name + " $USER) and log in again.");
    EXPECT_NE(portPermissionText("/no/such/port", EPERM, 0).find("grupo dialout"), std::string::npos);
    EXPECT_TRUE(portPermissionText(port.string(), EBUSY, 0).empty());
}
