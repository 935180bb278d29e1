#pragma once

#include "app/Dialog.h"

#include <string>

class DeviceLink;
class Ui;

// Shows and changes the device's own network address and port and, on the
// QLX700-IRR, its Wi-Fi settings, with the obtained address and the signal
// refreshed every 1.5 s.
class ChangeIpDialog final : public Dialog {
public:
    static constexpr int kTimerInterval = 1500; // ms
    static constexpr int kNarrowWidth = 172;    // address and port only
    static constexpr int kWifiWidth = 470;

    ChangeIpDialog(DeviceLink& comm, int language, Ui& ui);

    void setLanguage(int language);
    // Reads the device's settings into the fields.
    void readDevice();
    void tick();
    void okClicked();
    void cancelClicked() { close(mrCancel); }

    void setIpText(const std::string& text) { ip_ = text; }
    void setPortText(const std::string& text) { port_ = text; }
    void setSsid(const std::string& text) { ssid_ = text; }
    void setWifiPassword(const std::string& text) { wifiPassword_ = text; }
    void setWifiPortText(const std::string& text) { wifiPortText_ = text; }

    // --- state for the view
    bool wifi() const { return wifi_; }
    int clientWidth() const { return wifi_ ? kWifiWidth : kNarrowWidth; }
    bool timerEnabled() const { return wifi_; }
    const std::string& ipText() const { return ip_; }
    const std::string& portText() const { return port_; }
    const std::string& ssid() const { return ssid_; }
    const std::string& wifiPassword() const { return wifiPassword_; }
    const std::string& wifiPortText() const { return wifiPortText_; }
    const std::string& obtainedIp() const { return obtainedIp_; }
    const std::string& mac() const { return mac_; }
    const std::string& wifiSignal() const { return signal_; }
    struct Captions {
        std::string caption, ipLabel, portLabel, ssidLabel, wifiPasswordLabel, wifiPortLabel, obtainedIpLabel, macLabel,
            okButton, cancelButton;
    };
    const Captions& captions() const { return captions_; }

private:
    void showWifiState();
    void writeFailed();

    DeviceLink& comm_;
    Ui& ui_;
    int language_ = 0;
    bool wifi_;
    bool ticking_ = false;
    std::string ip_;
    std::string port_;
    std::string ssid_;
    std::string wifiPassword_;
    std::string wifiPortText_;
    std::string obtainedIp_;
    std::string mac_;
    std::string signal_;
    Captions captions_;
};
