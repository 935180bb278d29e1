#pragma once

#include "app/Dialog.h"
#include "settings/SettingsRecord.h"

#include <string>
#include <vector>

class HostResolver;
class Ui;

// Chooses the computer's own address and the device's address (typed, or a host
// name to resolve) and port. The dialog result names the link: OK and Yes the
// asynchronous TCP link, mrUdp the UDP link.
class IpConnectDialog final : public Dialog {
public:
    static constexpr const char* kDefaultIP = "192.168.1.50";
    static constexpr int kDefaultPort = 43101;

    IpConnectDialog(int language, std::vector<std::string> computerAddresses, HostResolver& resolver, Ui& ui);

    void setLanguage(int language);
    // The caller's last values: device address (when longer than one character),
    // the computer address when listed (else the first entry), port and host name.
    void prefill(const ConnectionSettings& last);

    void setComputerIp(const std::string& text) { computerIp_ = text; }
    void setDeviceIp(const std::string& text) { deviceIp_ = text; }
    void setHost(const std::string& text) { host_ = text; }
    // The two port fields mirror each other.
    void portEdited(const std::string& text);
    void hostPortEdited(const std::string& text);
    // defaultIpButton, defaultPortButton and hostDefaultPortButton.
    void defaultsClicked();
    void okClicked();
    void hostOkClicked();
    void udpClicked();

    // --- state for the view
    const std::vector<std::string>& computerAddresses() const { return computerAddresses_; }
    const std::string& computerIp() const { return computerIp_; }
    const std::string& deviceIp() const { return deviceIp_; }
    const std::string& portText() const { return portText_; }
    const std::string& hostPortText() const { return hostPortText_; }
    const std::string& host() const { return host_; }
    struct Captions {
        std::string caption, computerIpLabel, ipBox, deviceIpLabel, portLabel, hostBox, addressLabel, defaultIpButton,
            defaultPortButton;
    };
    const Captions& captions() const { return captions_; }

    // --- results
    const std::string& resultAddress() const { return resultAddress_; }
    int resultPort() const { return resultPort_; }

private:
    int language_ = 0;
    std::vector<std::string> computerAddresses_;
    HostResolver& resolver_;
    Ui& ui_;
    std::string computerIp_;
    std::string deviceIp_;
    std::string portText_;
    std::string hostPortText_;
    std::string host_;
    Captions captions_;
    std::string resultAddress_;
    int resultPort_ = 0;
};
