#pragma once

#include "CtlOptions.h"
#include "device/DeviceLink.h"
#include "link/PollEventPump.h"

#include <string>

// One connection of the command-line tool: opens the link, identifies the model
// from its signature and proves the password, as the general pages' connect flow does.
class CtlSession {
public:
    explicit CtlSession(const CtlOptions& options);

    // Each step returns false and sets `error` (one line) on failure.
    bool open(std::string& error);
    bool identify(std::string& error);
    bool provePassword(const std::string& password, std::string& error);
    // Opens the link again, identifies the device and proves the password given before.
    bool reconnect(std::string& error);

    DeviceLink& deviceLink() { return deviceLink_; }
    EventPump& pump() { return pump_; }
    int signature() const { return signature_; }

private:
    bool readSignature(int deviceType);
    std::string linkName() const;
    // "reading register R on LINK failed: <cause>".
    std::string silence(int reg) const;

    const CtlOptions& options_;
    PollEventPump pump_;
    DeviceLink deviceLink_;
    int signature_ = 0;
    std::string password_;
};
