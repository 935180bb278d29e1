#include "app/FormEntraIPF.h"

#include "app/HostResolver.h"
#include "app/IntegerText.h"
#include "app/LanguageText.h"
#include "app/PortCheck.h"
#include "app/Ui.h"

#include <algorithm>
#include <utility>

namespace {

constexpr LangText kCaption{"Entre com os IPs", "Configure the IPs", "Configurar IPs"};
constexpr LangText kIpPc{"IP do Computador:", "Computer IP", "IP de la Computadora"};
constexpr LangText kGbIp{"Conectar com IP", "Connect with IP", "Conectar por IP"};
constexpr LangText kIpEquip{"IP do equipamento:", "Device IP:", "IP del Equipo:"};
constexpr LangText kPorta{"Porta", "Port", "Puerta"};
constexpr LangText kGbDominio{"Conectar com endereço", "Connect with address", "Conectar por dirección"};
constexpr LangText kEndereco{"Endereço", "Address", "Dirección"};
constexpr LangText kIpPadrao{"IP Padrão", "Default IP", "IP por Defecto"};
constexpr LangText kPortaPadrao{"Porta Padrão", "Default Port", "Puerta por Defecto"};

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

TFormEntraIP::TFormEntraIP(int language, std::vector<std::string> pcAddresses, HostResolver& resolver, Ui& ui)
    : TDialog({50, 50})
    , pcAddresses_(std::move(pcAddresses))
    , resolver_(resolver)
    , ui_(ui)
{
    SetIdioma(language);
    if (!pcAddresses_.empty())
        pcIp_ = pcAddresses_.front();
}

void TFormEntraIP::SetIdioma(int language)
{
    language_ = language;
    captions_ = {kCaption.in(language), kIpPc.in(language),     kGbIp.in(language),
                 kIpEquip.in(language), kPorta.in(language),    kGbDominio.in(language),
                 kEndereco.in(language), kIpPadrao.in(language), kPortaPadrao.in(language)};
}

void TFormEntraIP::prefill(const ConnectionSettings& last)
{
    if (last.LastDeviceIP.size() > 1)
        equipIp_ = last.LastDeviceIP;
    const bool listed = std::find(pcAddresses_.begin(), pcAddresses_.end(), last.LastPCIP) != pcAddresses_.end();
    if (last.LastPCIP.size() >= 2 && listed)
        pcIp_ = last.LastPCIP;
    else if (!pcAddresses_.empty())
        pcIp_ = pcAddresses_.front();
    porta_ = dominioPorta_ = std::to_string(last.LastIPPort);
    endereco_ = last.LastAddress;
}

void TFormEntraIP::edPortaChange(const std::string& text)
{
    porta_ = dominioPorta_ = text;
}

void TFormEntraIP::edDominioPortaChange(const std::string& text)
{
    porta_ = dominioPorta_ = text;
}

void TFormEntraIP::bbPadraoClick()
{
    equipIp_ = kDefaultIP;
    porta_ = dominioPorta_ = std::to_string(kDefaultPort);
    // The fields show the default before the message explains it.
    changed();
    ui_.showMessage(MessageKind::Information,
                    kDefault1.in(language_) + std::to_string(kDefaultPort) + kDefault2.in(language_) + "\n"
                        + kDefault3.in(language_));
}

void TFormEntraIP::bbOkClick()
{
    if (!checkPort(porta_, resultPort_, ui_, language_))
        return;
    resultAddress_ = equipIp_;
    close(mrOk);
}

void TFormEntraIP::bbOkEnderecoClick()
{
    int port = 0;
    if (!checkPort(dominioPorta_, port, ui_, language_))
        return;
    const HostResolution r = resolver_.resolve(endereco_, port);
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

void TFormEntraIP::bbOkUdpClick()
{
    resultAddress_ = equipIp_;
    resultPort_ = parseInteger(porta_).value_or(0);
    close(mrUdp);
}
