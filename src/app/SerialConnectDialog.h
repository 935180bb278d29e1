#pragma once

#include "app/Dialog.h"
#include "app/SerialPortSource.h"
#include "link/SerialLinkSettings.h"

#include <array>
#include <string>
#include <vector>

class AppSettings;
class Ui;

// Chooses the serial port, its speed and format and the device's Modbus address.
// In USB mode only the port is asked: a USB adapter of the device runs at 115200 8N1.
class SerialConnectDialog final : public Dialog {
public:
    static constexpr std::array<int, 5> kBaudRates{9600, 19200, 38400, 57600, 115200};
    static constexpr std::array<const char*, 4> kFormats{"8N1", "8E1", "8O1", "8N2"};

    // `deviceType` chooses whose last values (conf.ini) are preselected and stored.
    SerialConnectDialog(bool usb, int language, AppSettings& settings, int deviceType,
                        std::vector<SerialPortEntry> ports, Ui& ui);

    void setLanguage(int language);
    // The port box is editable: a typed device path works as well as a listed name.
    void setPortText(const std::string& text) { portText_ = text; }
    void selectPort(int index);
    void setModbusAddressText(const std::string& text) { modbusAddressText_ = text; }
    void selectBaudRate(int index) { baudRateIndex_ = index; }
    void selectFormat(int index) { formatIndex_ = index; }
    void okClicked();
    void cancelClicked() { close(mrCancel); }

    // --- state for the view
    bool usb() const { return usb_; }
    const std::vector<SerialPortEntry>& ports() const { return ports_; }
    const std::string& portText() const { return portText_; }
    const std::string& modbusAddressText() const { return modbusAddressText_; }
    int baudRateIndex() const { return baudRateIndex_; }
    int formatIndex() const { return formatIndex_; }
    const std::string& caption() const { return caption_; }
    const std::string& portLabel() const { return portLabel_; }
    const std::string& addressLabel() const { return addressLabel_; }
    const std::string& baudRateLabel() const { return baudRateLabel_; }
    const std::string& formatLabel() const { return formatLabel_; }
    const std::string& okButton() const { return okButton_; }
    const std::string& cancelButton() const { return cancelButton_; }

    // --- results, after OK
    // The device path of the chosen port: a listed port's path, or the text typed.
    std::string portPath() const;
    // The address typed; a text that is not a number gives 1.
    int modbusAddress() const;
    const SerialLinkSettings& linkSettings() const { return linkSettings_; }

private:
    bool usb_;
    int language_ = 0;
    AppSettings& settings_;
    int deviceType_;
    Ui& ui_;
    std::vector<SerialPortEntry> ports_;
    std::string portText_;
    std::string modbusAddressText_;
    int baudRateIndex_ = -1;
    int formatIndex_ = -1;
    SerialLinkSettings linkSettings_;
    std::string caption_;
    std::string portLabel_;
    std::string addressLabel_;
    std::string baudRateLabel_;
    std::string formatLabel_;
    std::string okButton_;
    std::string cancelButton_;
};
