#include "app/ChangeIpDialog.h"

#include "app/DialogButtonTexts.h"
#include "app/LanguageText.h"
#include "app/PortCheck.h"
#include "app/TextRegisters.h"
#include "app/Ui.h"
#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "link/NetAddress.h"
#include "settings/TextEncoding.h"
#include "settings/TrimmedText.h"

#include <arpa/inet.h>
#include <cstdio>

namespace {

constexpr Seconds kFlushTimeout{0.5};
constexpr int kWifiTextRegisters = 16;

constexpr LangText kChangeIpCaption{"Trocar IP", "Change IP", "Cambiar IP"};
constexpr LangText kIp{"Endereço IP:", "IP Address:", "Dirección IP:"};
constexpr LangText kIpPort{"Porta:", "Port:", "Puerta:"};
constexpr LangText kSSID{"SSID:", "SSID:", "SSID:"};
constexpr LangText kWifiPassword{"Senha:", "Password:", "Contraseña:"};
constexpr LangText kWifiPort{"Porta Wifi:", "Wifi Port:", "Puerta Wifi:"};
constexpr LangText kObtainedIp{"IP Recebido", "IP Received", "IP Recibido"};
constexpr LangText kMac{"WI-FI MAC", "WI-FI MAC", "WI-FI MAC"};

constexpr LangText kInvalidIp{"IP inválido.", "Invalid IP.", "Dirección IP inválida."};
constexpr LangText kWriteError{"Erro na configuração dos parâmetros.", "Error configuring the parameters.",
                               "Error al configurar los parámetros"};
constexpr LangText kDoneNow{"O equipamento utilizará o novo IP e porta imediatamente.",
                            "The device will use the new IP and port immediately.",
                            "El dispositivo usará la nueva IP y puerta inmediatamente."};
constexpr LangText kDoneRestart{
    "O equipamento utilizará o novo IP e porta imediatamente. Reinicie a conexão com o equipamento.",
    "The device will use the new IP and port immediately. Restart the connection to the device.",
    "El dispositivo usará la nueva IP y puerta inmediatamente. Reiniciar la conexión con el dispositivo."};
constexpr LangText kWifiNotConnected{"WI-FI não conectado", "WI-FI not connected", "WI-FI no conectado"};
constexpr LangText kSignalGood{"Sinal Bom", "Good Signal", "Senal Buena"};
constexpr LangText kSignalMedium{"Sinal Médio", "Medium Signal", "Senal Media"};
constexpr LangText kSignalWeak{"Sinal Fraco", "Weak Signal", "Senal Debil"};

std::string dotted(std::uint32_t address)
{
    return std::to_string(address >> 24) + "." + std::to_string((address >> 16) & 0xFF) + "."
        + std::to_string((address >> 8) & 0xFF) + "." + std::to_string(address & 0xFF);
}

} // namespace

ChangeIpDialog::ChangeIpDialog(DeviceLink& comm, int language, Ui& ui)
    : Dialog({50, 50})
    , comm_(comm)
    , ui_(ui)
    , wifi_(comm.deviceType() == kQLX700IRR)
{
    setLanguage(language);
}

void ChangeIpDialog::setLanguage(int language)
{
    language_ = language;
    captions_ = {kChangeIpCaption.in(language), kIp.in(language),           kIpPort.in(language),
                 kSSID.in(language),            kWifiPassword.in(language), kWifiPort.in(language),
                 kObtainedIp.in(language),      kMac.in(language),          dialogbutton::Ok.in(language),
                 dialogbutton::Cancel.in(language)};
}

void ChangeIpDialog::readDevice()
{
    comm_.readRegisters(1700, 2, true);
    comm_.readRegisters(1702, 1, true);
    if (wifi_) {
        comm_.readRegisters(1720, 16, true);
        comm_.readRegisters(1740, 16, true);
        comm_.readRegisters(1760, 3, true);
        comm_.readRegisters(1770, 2, true);
        comm_.readRegisters(1774, 3, true);
        comm_.readRegisters(1780, 1, true);
    }
    comm_.flushQueuedReads(kFlushTimeout);

    const RegisterImage& image = comm_.image();
    ip_ = dotted(image.IpAddr());
    port_ = std::to_string(image.value(reg::common::IpPort));
    if (!wifi_)
        return;
    ssid_ = cp1252ToUtf8(image.text(reg::common::WifiSsid));
    wifiPassword_ = cp1252ToUtf8(image.text(reg::common::WifiPass));
    wifiPortText_ = std::to_string(image.value(reg::common::WifiPort, 0));
    mac_.clear();
    for (int r = 1776; r >= 1774; --r) {
        const int word = comm_.registerValue(r);
        char bytes[8];
        std::snprintf(bytes, sizeof bytes, "%02X %02X", (word >> 8) & 0xFF, word & 0xFF);
        if (!mac_.empty())
            mac_ += ' ';
        mac_ += bytes;
    }
    showWifiState();
}

void ChangeIpDialog::tick()
{
    // A tick that comes while the last one still waits on the link does nothing.
    if (!wifi_ || ticking_)
        return;
    ticking_ = true;
    comm_.readRegisters(1770, 2, true);
    comm_.readRegisters(1780, 1, true);
    comm_.flushQueuedReads(kFlushTimeout);
    showWifiState();
    ticking_ = false;
}

void ChangeIpDialog::showWifiState()
{
    const int low = comm_.registerValue(1770);
    const int high = comm_.registerValue(1771);
    if (low == 0 && high == 0)
        obtainedIp_ = kWifiNotConnected.in(language_);
    else
        obtainedIp_ = dotted((static_cast<std::uint32_t>(high) << 16) | static_cast<std::uint32_t>(low));
    const int dbm = comm_.image().WifiSignal();
    if (dbm < -70)
        signal_ = kSignalWeak.in(language_);
    else if (dbm < -60)
        signal_ = kSignalMedium.in(language_);
    else
        signal_ = kSignalGood.in(language_);
}

void ChangeIpDialog::writeFailed()
{
    ui_.showMessage(MessageKind::Error, kWriteError.in(language_));
}

void ChangeIpDialog::okClicked()
{
    // Every field is checked before anything is written, so a bad Wi-Fi port does
    // not leave the device with half of its new settings.
    int port = 0;
    if (!checkPort(port_, port, ui_, language_))
        return;
    const std::optional<in_addr> address = dottedAddress(leftTrimmed(ip_).substr(0, 20));
    if (!address) {
        ui_.showMessage(MessageKind::Error, kInvalidIp.in(language_));
        return;
    }
    int wifiPort = 0;
    if (wifi_ && !checkPort(wifiPortText_, wifiPort, ui_, language_))
        return;

    const std::uint32_t host = ntohl(address->s_addr);
    if (!comm_.writeRegister(1700, static_cast<int>(host & 0xFFFF)))
        writeFailed();
    if (!comm_.writeRegister(1701, static_cast<int>(host >> 16)))
        writeFailed();
    if (!comm_.writeRegister(1702, port))
        writeFailed();
    if (wifi_) {
        if (!comm_.writeRegisters(1720, textToRegisters(utf8ToCp1252(ssid_), kWifiTextRegisters), true))
            writeFailed();
        if (!comm_.writeRegisters(1740, textToRegisters(utf8ToCp1252(wifiPassword_), kWifiTextRegisters), true))
            writeFailed();
        if (!comm_.writeRegister(1760, wifiPort, true))
            writeFailed();
        if (!comm_.flushQueuedWrites(kFlushTimeout))
            writeFailed();
    }
    ui_.showMessage(MessageKind::Information, (comm_.asynchronous() ? kDoneRestart : kDoneNow).in(language_));
    close(mrOk);
}
