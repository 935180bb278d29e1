#pragma once

#include "app/SerialPortSource.h"
#include "app/TDialog.h"
#include "link/SerialLinkSettings.h"

#include <array>
#include <string>
#include <vector>

class AppSettings;
class Ui;

// Chooses the serial port, its speed and format and the device's Modbus address.
// In USB mode only the port is asked: a USB adapter of the device runs at 115200 8N1.
class TFormConectaCom final : public TDialog {
public:
    static constexpr std::array<int, 5> kBaudRates{9600, 19200, 38400, 57600, 115200};
    static constexpr std::array<const char*, 4> kFormats{"8N1", "8E1", "8O1", "8N2"};

    // `deviceType` chooses whose last values (conf.ini) are preselected and stored.
    TFormConectaCom(bool usb, int language, AppSettings& settings, int deviceType,
                    std::vector<SerialPortEntry> ports, Ui& ui);

    void SetIdioma(int language);
    // The port box is editable: a typed device path works as well as a listed name.
    void setPortaComText(const std::string& text) { portaComText_ = text; }
    void selectPortaCom(int index);
    void setEdEnderecoModbus(const std::string& text) { enderecoModbus_ = text; }
    void selectBaudRate(int index) { baudRateIndex_ = index; }
    void selectFormato(int index) { formatoIndex_ = index; }
    void bbOkClick();
    void bbCancelClick() { close(mrCancel); }

    // --- state for the view
    bool usb() const { return usb_; }
    const std::vector<SerialPortEntry>& ports() const { return ports_; }
    const std::string& portaComText() const { return portaComText_; }
    const std::string& edEnderecoModbus() const { return enderecoModbus_; }
    int baudRateIndex() const { return baudRateIndex_; }
    int formatoIndex() const { return formatoIndex_; }
    const std::string& caption() const { return caption_; }
    const std::string& lblPorta() const { return lblPorta_; }
    const std::string& lblEndereco() const { return lblEndereco_; }
    const std::string& lblBaudRate() const { return lblBaudRate_; }
    const std::string& lblFormato() const { return lblFormato_; }
    const std::string& bbOk() const { return bbOk_; }
    const std::string& bbCancel() const { return bbCancel_; }

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
    std::string portaComText_;
    std::string enderecoModbus_;
    int baudRateIndex_ = -1;
    int formatoIndex_ = -1;
    SerialLinkSettings linkSettings_;
    std::string caption_;
    std::string lblPorta_;
    std::string lblEndereco_;
    std::string lblBaudRate_;
    std::string lblFormato_;
    std::string bbOk_;
    std::string bbCancel_;
};
