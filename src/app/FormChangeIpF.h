#pragma once

#include "app/TDialog.h"

#include <string>

class TEquipComm;
class Ui;

// Shows and changes the device's own network address and port and, on the
// QLX700-IRR, its Wi-Fi settings, with the obtained address and the signal
// refreshed every 1.5 s.
class TFormChangeIp final : public TDialog {
public:
    static constexpr int kTimerInterval = 1500; // ms
    static constexpr int kNarrowWidth = 172;    // address and port only
    static constexpr int kWifiWidth = 470;

    TFormChangeIp(TEquipComm& comm, int language, Ui& ui);

    void SetIdioma(int language);
    // Reads the device's settings into the fields.
    void FormShow();
    void Timer1Timer();
    void bbOkClick();
    void bbCancelarClick() { close(mrCancel); }

    void setEdIp(const std::string& text) { ip_ = text; }
    void setEdPort(const std::string& text) { port_ = text; }
    void setEdSSID(const std::string& text) { ssid_ = text; }
    void setEdPass(const std::string& text) { pass_ = text; }
    void setEdPortWifi(const std::string& text) { portWifi_ = text; }

    // --- state for the view
    bool wifi() const { return wifi_; }
    int clientWidth() const { return wifi_ ? kWifiWidth : kNarrowWidth; }
    bool timerEnabled() const { return wifi_; }
    const std::string& edIp() const { return ip_; }
    const std::string& edPort() const { return port_; }
    const std::string& edSSID() const { return ssid_; }
    const std::string& edPass() const { return pass_; }
    const std::string& edPortWifi() const { return portWifi_; }
    const std::string& edIpGot() const { return ipGot_; }
    const std::string& edMac() const { return mac_; }
    const std::string& pnWifiSignal() const { return signal_; }
    struct Captions {
        std::string caption, lblIp, lblPort, lblSSID, lblPass, lblPortWifi, lblIpGot, lblMac, bbOk, bbCancelar;
    };
    const Captions& captions() const { return captions_; }

private:
    void showWifiState();
    void writeFailed();

    TEquipComm& comm_;
    Ui& ui_;
    int language_ = 0;
    bool wifi_;
    bool ticking_ = false;
    std::string ip_;
    std::string port_;
    std::string ssid_;
    std::string pass_;
    std::string portWifi_;
    std::string ipGot_;
    std::string mac_;
    std::string signal_;
    Captions captions_;
};
