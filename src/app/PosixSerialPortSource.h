#pragma once

#include "app/SerialPortSource.h"

#include <filesystem>

// Lists /dev/serial/by-id first (under their readable names: the adapter's maker,
// model and serial number), then /dev/ttyUSB*, /dev/ttyACM* and /dev/ttyS* that a
// driver serves and that no by-id name already stands for. Of the ttyS ports, only
// those with a known UART: the 8250 driver registers ports that have no hardware.
class PosixSerialPortSource final : public SerialPortSource {
public:
    // The roots are there for tests; the system's are /dev and /sys/class/tty.
    explicit PosixSerialPortSource(std::filesystem::path devRoot = "/dev",
                                   std::filesystem::path ttyClassRoot = "/sys/class/tty");

    std::vector<SerialPortEntry> ports() override;

private:
    bool hasDriver(const std::string& name) const;

    std::filesystem::path devRoot_;
    std::filesystem::path ttyClassRoot_;
};
