#pragma once

#include "app/BusyNotice.h"
#include "link/EventPump.h"
#include "link/SerialLinkSettings.h"
#include "screens/common/ConnectModel.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class DeviceLink;
class Ui;

// The connect road shared by the general pages: open the link, check the
// signature, read the model's registers, prove the password, warn about an old tool.
// Every failure closes the link again, so a page never keeps a link whose password
// was not proved.
class ConnectFlow {
public:
    static constexpr int kPasswordRegister = 1600;
    static constexpr Seconds kTcpConnectLimit{20.0};

    struct Hooks {
        // Moves the main window's model selector.
        std::function<void(int)> selectDeviceType;
        // Redraws the page once the password is proved, before the version check.
        std::function<void()> connected;
    };

    ConnectFlow(ConnectModel model, Ui& ui, EventPump& pump, Hooks hooks);

    bool connectSerial(DeviceLink& comm, int language, const std::string& port, int address, bool serialButton,
                       const SerialLinkSettings& settings);
    bool connectIp(DeviceLink& comm, int language, const std::string& deviceIp, const std::string& pcIp, bool tcp,
                   std::uint16_t port);

    // The signature of the last device whose signature was accepted (0 before any).
    int signature() const { return signature_; }
    // Tests shorten the TCP connect wait; the shown limit stays the device's 20 s.
    void setTcpConnectLimit(Seconds limit) { tcpLimit_ = limit; }

private:
    bool waitTcpConnect(DeviceLink& comm, int language);
    bool identify(DeviceLink& comm, int language, bool serial);
    bool checkSignature(DeviceLink& comm, int language, int signature, bool serial);
    bool finishConnect(DeviceLink& comm, int language, int signature, bool serial);
    bool fail(DeviceLink& comm, const std::string& text);
    // One read of the serial presence test; silence ends the road with its message.
    bool presence(DeviceLink& comm, int language, const RegisterRun& run);

    ConnectModel model_;
    Ui& ui_;
    EventPump& pump_;
    Hooks hooks_;
    Seconds tcpLimit_ = kTcpConnectLimit;
    int signature_ = 0;
    // The busy notice of the road in progress; gone before any message or dialog.
    std::optional<BusyNotice> notice_;
};
