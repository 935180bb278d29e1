#pragma once

#include <string>
#include <vector>

// A serial port the user can choose: the device path the link opens and the name
// shown in the port list.
struct SerialPortEntry {
    std::string path;
    std::string name;
};

// The serial ports of this computer, in the order the port list shows them.
class SerialPortSource {
public:
    virtual ~SerialPortSource() = default;
    virtual std::vector<SerialPortEntry> ports() = 0;
};
