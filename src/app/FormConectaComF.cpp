#include "app/FormConectaComF.h"

#include "app/AppSettings.h"
#include "app/IntegerText.h"
#include "app/LanguageText.h"
#include "app/SettingsSave.h"
#include "app/Ui.h"

#include <utility>

namespace {

constexpr LangText kCaption{"Porta Serial", "Serial Port", "Puerto Serial"};
constexpr LangText kPorta{"Selecione a porta serial:", "Select the serial port:", "Seleccione el puerto serial:"};
constexpr LangText kEndereco{"Endereço Modbus", "ModBus Address", "Dirección Modbus"};
constexpr LangText kBaudRate{"BaudRate", "BaudRate", "BaudRate"};
constexpr LangText kFormato{"Formato", "Format", "Formato"};
constexpr LangText kOk{"OK", "OK", "OK"};
constexpr LangText kCancel{"Cancelar", "Cancel", "Cancelar"};
constexpr LangText kInvalidAddress{"Endereço Modbus inválido. Deve ser um número entre 0 e 255.",
                                   "Invalid Modbus address. It must be a number between 0 and 255.",
                                   "Dirección Modbus inválida. Deve ser un número entre 0 y 255."};

// (parity, stop bits) codes of the formats, in list order.
constexpr std::array<std::pair<std::uint8_t, std::uint8_t>, 4> kFormatCodes{{{0, 0}, {1, 0}, {2, 0}, {0, 2}}};
constexpr int kUsbBaudRate = 115200;

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

TFormConectaCom::TFormConectaCom(bool usb, int language, AppSettings& settings, int deviceType,
                                 std::vector<SerialPortEntry> ports, Ui& ui)
    : TDialog({50, 50})
    , usb_(usb)
    , settings_(settings)
    , deviceType_(deviceType)
    , ui_(ui)
    , ports_(std::move(ports))
{
    SetIdioma(language);
    selectPortaCom(0);
    const ConnectionSettings& last = settings_.record().connection(deviceType_);
    enderecoModbus_ = std::to_string(last.LastModBusAddr);
    for (std::size_t i = 0; i < kBaudRates.size(); ++i) {
        if (kBaudRates[i] == last.LastSerialBaudRate)
            baudRateIndex_ = static_cast<int>(i);
    }
    if (last.LastSerialFormat >= 0 && last.LastSerialFormat < static_cast<int>(kFormats.size()))
        formatoIndex_ = last.LastSerialFormat;
}

void TFormConectaCom::SetIdioma(int language)
{
    language_ = language;
    caption_ = kCaption.in(language);
    lblPorta_ = kPorta.in(language);
    lblEndereco_ = kEndereco.in(language);
    lblBaudRate_ = kBaudRate.in(language);
    lblFormato_ = kFormato.in(language);
    bbOk_ = kOk.in(language);
    bbCancel_ = kCancel.in(language);
}

void TFormConectaCom::selectPortaCom(int index)
{
    if (index >= 0 && index < static_cast<int>(ports_.size()))
        portaComText_ = ports_[static_cast<std::size_t>(index)].name;
}

void TFormConectaCom::bbOkClick()
{
    if (usb_) {
        linkSettings_ = {kUsbBaudRate, 0, 0};
        close(mrOk);
        return;
    }
    const std::optional<int> address = parseInteger(enderecoModbus_);
    if (!address || *address < 0 || *address > 255) {
        ui_.showMessage(MessageKind::Error, kInvalidAddress.in(language_));
        return;
    }
    if (baudRateIndex_ < 0 || baudRateIndex_ >= static_cast<int>(kBaudRates.size()) || formatoIndex_ < 0
        || formatoIndex_ >= static_cast<int>(kFormats.size()))
        return;
    const auto [parity, stop] = kFormatCodes[static_cast<std::size_t>(formatoIndex_)];
    linkSettings_ = {kBaudRates[static_cast<std::size_t>(baudRateIndex_)], parity, stop};
    ConnectionSettings& last = settings_.record().connection(deviceType_);
    last.LastModBusAddr = *address;
    last.LastSerialBaudRate = linkSettings_.baudRate;
    last.LastSerialFormat = formatoIndex_;
    saveSettings(settings_, ui_, language_);
    close(mrOk);
}

std::string TFormConectaCom::portPath() const
{
    const std::string text = trimmed(portaComText_);
    for (const SerialPortEntry& p : ports_) {
        if (p.name == text)
            return p.path;
    }
    return text;
}

int TFormConectaCom::modbusAddress() const
{
    return parseInteger(enderecoModbus_).value_or(1);
}
