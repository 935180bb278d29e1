#include "app/SerialConnectDialog.h"

#include "app/AppSettings.h"
#include "app/DialogButtonTexts.h"
#include "app/IntegerText.h"
#include "app/LanguageText.h"
#include "app/LinkCaptions.h"
#include "app/SettingsSave.h"
#include "app/Ui.h"
#include "settings/TrimmedText.h"

#include <utility>

namespace {

constexpr LangText kSerialPortCaption{"Porta Serial", "Serial Port", "Puerto Serial"};
constexpr LangText kChoosePort{"Selecione a porta serial:", "Select the serial port:", "Seleccione el puerto serial:"};
constexpr LangText kModbusAddressLabel{"Endereço Modbus", "ModBus Address", "Dirección Modbus"};
constexpr LangText kBaudRate{"BaudRate", "BaudRate", "BaudRate"};
constexpr LangText kInvalidModbusAddress{"Endereço Modbus inválido. Deve ser um número entre 0 e 255.",
                                         "Invalid Modbus address. It must be a number between 0 and 255.",
                                         "Dirección Modbus inválida. Deve ser un número entre 0 y 255."};

// (parity, stop bits) codes of the formats, in list order.
constexpr std::array<std::pair<std::uint8_t, std::uint8_t>, 4> kFormatCodes{{{0, 0}, {1, 0}, {2, 0}, {0, 2}}};
constexpr int kUsbBaudRate = 115200;

} // namespace

SerialConnectDialog::SerialConnectDialog(bool usb, int language, AppSettings& settings, int deviceType,
                                         std::vector<SerialPortEntry> ports, Ui& ui)
    : Dialog({50, 50})
    , usb_(usb)
    , settings_(settings)
    , deviceType_(deviceType)
    , ui_(ui)
    , ports_(std::move(ports))
{
    setLanguage(language);
    selectPort(0);
    const ConnectionSettings& last = settings_.record().connection(deviceType_);
    modbusAddressText_ = std::to_string(last.LastModBusAddr);
    for (std::size_t i = 0; i < kBaudRates.size(); ++i) {
        if (kBaudRates[i] == last.LastSerialBaudRate)
            baudRateIndex_ = static_cast<int>(i);
    }
    if (last.LastSerialFormat >= 0 && last.LastSerialFormat < static_cast<int>(kFormats.size()))
        formatIndex_ = last.LastSerialFormat;
}

void SerialConnectDialog::setLanguage(int language)
{
    language_ = language;
    caption_ = kSerialPortCaption.in(language);
    portLabel_ = kChoosePort.in(language);
    addressLabel_ = kModbusAddressLabel.in(language);
    baudRateLabel_ = kBaudRate.in(language);
    formatLabel_ = linkcaption::Format.in(language);
    okButton_ = dialogbutton::Ok.in(language);
    cancelButton_ = dialogbutton::Cancel.in(language);
}

void SerialConnectDialog::selectPort(int index)
{
    if (index >= 0 && index < static_cast<int>(ports_.size()))
        portText_ = ports_[static_cast<std::size_t>(index)].name;
}

void SerialConnectDialog::okClicked()
{
    if (usb_) {
        linkSettings_ = {kUsbBaudRate, 0, 0};
        close(mrOk);
        return;
    }
    const std::optional<int> address = parseInteger(modbusAddressText_);
    if (!address || *address < 0 || *address > 255) {
        ui_.showMessage(MessageKind::Error, kInvalidModbusAddress.in(language_));
        return;
    }
    if (baudRateIndex_ < 0 || baudRateIndex_ >= static_cast<int>(kBaudRates.size()) || formatIndex_ < 0
        || formatIndex_ >= static_cast<int>(kFormats.size()))
        return;
    const auto [parity, stop] = kFormatCodes[static_cast<std::size_t>(formatIndex_)];
    linkSettings_ = {kBaudRates[static_cast<std::size_t>(baudRateIndex_)], parity, stop};
    ConnectionSettings& last = settings_.record().connection(deviceType_);
    last.LastModBusAddr = *address;
    last.LastSerialBaudRate = linkSettings_.baudRate;
    last.LastSerialFormat = formatIndex_;
    saveSettings(settings_, ui_, language_);
    close(mrOk);
}

std::string SerialConnectDialog::portPath() const
{
    const std::string text = trimmed(portText_);
    for (const SerialPortEntry& p : ports_) {
        if (p.name == text)
            return p.path;
    }
    return text;
}

int SerialConnectDialog::modbusAddress() const
{
    return parseInteger(modbusAddressText_).value_or(1);
}
