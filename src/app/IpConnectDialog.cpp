#include "app/IpConnectDialog.h"

#include "app/HostResolver.h"
#include "app/IntegerText.h"
#include "app/LanguageText.h"
#include "app/LinkCaptions.h"
#include "app/PortCheck.h"
#include "app/Ui.h"

#include <algorithm>
#include <utility>

namespace {

constexpr LangText kIpConnectCaption{"Entre com os IPs", "Configure the IPs", "Configurar IPs"};
constexpr LangText kComputerIp{"IP do Computador:", "Computer IP", "IP de la Computadora"};
constexpr LangText kConnectWithIp{"Conectar com IP", "Connect with IP", "Conectar por IP"};
constexpr LangText kDeviceIp{"IP do equipamento:", "Device IP:", "IP del Equipo:"};
constexpr LangText kPort{"Porta", "Port", "Puerta"};
constexpr LangText kConnectWithAddress{"Conectar com endereço", "Connect with address", "Conectar por dirección"};
constexpr LangText kDefaultIpCaption{"IP Padrão", "Default IP", "IP por Defecto"};
constexpr LangText kDefaultPortCaption{"Porta Padrão", "Default Port", "Puerta por Defecto"};

constexpr LangText kHostNotFound{"Host não encontrado. Verifique o endereço digitado.",
                                 "Host not found. Check the address typed.",
                                 "Host no encontrado. Verifique la dirección escrita."};
constexpr LangText kServerError{"Erro de comunicação com o servidor", "Communication error with the server.",
                                "Error de comunicación con el servidor."};
constexpr LangText kDefault1{"Para forçar o equipamento a utilizar o endereço IP e porta padrão (192.168.1.50 : ",
                             "In order to force de device to use its default IP and port (192.168.1.50 : ",
                             "Para forzar el IP y puerta por defecto en el equipo (192.168.1.50 : "};
constexpr LangText kDefault2{"), ligue-o", "), turn it on holding", "), encende el equipo mantenendo"};
constexpr LangText kDefault3{"segurando o botão PROG. Atenção: isso APAGARÁ TODAS AS CONFIGURAÇÔES.",
                             "the PROG button. Warning: This will RESET ALL CONFIGURATION.",
                             "el botón PROG presionado. Aviso: Todas las configuraciones SERÁN BORRADAS."};

} // namespace

IpConnectDialog::IpConnectDialog(int language, std::vector<std::string> computerAddresses, HostResolver& resolver,
                                 Ui& ui)
    : Dialog({50, 50})
    , computerAddresses_(std::move(computerAddresses))
    , resolver_(resolver)
    , ui_(ui)
{
    setLanguage(language);
    if (!computerAddresses_.empty())
        computerIp_ = computerAddresses_.front();
}

void IpConnectDialog::setLanguage(int language)
{
    language_ = language;
    captions_ = {kIpConnectCaption.in(language),    kComputerIp.in(language),       kConnectWithIp.in(language),
                 kDeviceIp.in(language),            kPort.in(language),             kConnectWithAddress.in(language),
                 linkcaption::Address.in(language), kDefaultIpCaption.in(language), kDefaultPortCaption.in(language)};
}

void IpConnectDialog::prefill(const ConnectionSettings& last)
{
    if (last.LastDeviceIP.size() > 1)
        deviceIp_ = last.LastDeviceIP;
    const bool listed =
        std::find(computerAddresses_.begin(), computerAddresses_.end(), last.LastPCIP) != computerAddresses_.end();
    if (last.LastPCIP.size() >= 2 && listed)
        computerIp_ = last.LastPCIP;
    else if (!computerAddresses_.empty())
        computerIp_ = computerAddresses_.front();
    portText_ = hostPortText_ = std::to_string(last.LastIPPort);
    host_ = last.LastAddress;
}

void IpConnectDialog::portEdited(const std::string& text)
{
    portText_ = hostPortText_ = text;
}

void IpConnectDialog::hostPortEdited(const std::string& text)
{
    portText_ = hostPortText_ = text;
}

void IpConnectDialog::defaultsClicked()
{
    deviceIp_ = kDefaultIP;
    portText_ = hostPortText_ = std::to_string(kDefaultPort);
    // The fields show the default before the message explains it.
    changed();
    ui_.showMessage(MessageKind::Information,
                    kDefault1.in(language_) + std::to_string(kDefaultPort) + kDefault2.in(language_) + "\n"
                        + kDefault3.in(language_));
}

void IpConnectDialog::okClicked()
{
    if (!checkPort(portText_, resultPort_, ui_, language_))
        return;
    resultAddress_ = deviceIp_;
    close(mrOk);
}

void IpConnectDialog::hostOkClicked()
{
    int port = 0;
    if (!checkPort(hostPortText_, port, ui_, language_))
        return;
    const HostResolution r = resolver_.resolve(host_, port);
    switch (r.status) {
    case HostResolution::Status::NotFound:
        ui_.showMessage(MessageKind::Error, kHostNotFound.in(language_));
        return;
    case HostResolution::Status::Failed:
        ui_.showMessage(MessageKind::Error, "WSAError: " + std::to_string(r.error));
        return;
    case HostResolution::Status::NoIPv4:
        ui_.showMessage(MessageKind::Error, kServerError.in(language_));
        return;
    case HostResolution::Status::Found:
        break;
    }
    resultAddress_ = r.address;
    resultPort_ = port;
    close(mrYes);
}

void IpConnectDialog::udpClicked()
{
    resultAddress_ = deviceIp_;
    resultPort_ = parseInteger(portText_).value_or(0);
    close(mrUdp);
}
