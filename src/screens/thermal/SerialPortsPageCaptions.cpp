#include "screens/thermal/SerialPortsPageCaptions.h"

#include "app/LanguageText.h"
#include "app/LinkCaptions.h"

namespace {
constexpr LangText kPortIndex{"Indice da Serial", "Serial Index", "Indice de la Serial"};
constexpr LangText kMode{"Modo", "Mode", "Modo"};
constexpr LangText kAlways{"Sempre", "Always", "Siempre"};
constexpr LangText kNever{"Nunca", "Never", "Nunca"};
constexpr LangText kTXDelay{"Delay de Transm. (ms)", "Transm. Delay (ms)", "Delay de Transm. (ms)"};
constexpr LangText kHexAddress{"Endereço (Hexadecimal)", "Address (Hexadecimal)", "Dirección (Hexadecimal)"};
constexpr LangText kFixedBackoff{"Backoff Delay Fixo", "Backoff Fixed Delay", "Backoff Delay Fijo"};
constexpr LangText kRandomBackoff{"Backoff Delay Aleatório", "Backoff Random Delay", "Backoff Delay Aleatorio"};
constexpr LangText kInterOctet{"Inter-Octet Gap Máximo", "Max Inter-Octet Gap", "Inter-Octet Gap Máximo"};
constexpr LangText kCannotModify{"Não é possível modificar a configuração da serial quando está conectado pela serial",
                                 "It is not possible to modify the serial configuration when connected by serial",
                                 "No se puede cambiar la configuración de serial cuando se conecta por serial"};

const std::vector<std::string> kBaudRates{"9600", "19200", "38400", "57600", "115200"};
const std::vector<std::string> kFormats{"8N1", "8E1", "8O1", "8N2"};
} // namespace

SerialPortsPageCaptions serialPortsPageCaptions(int language)
{
    const int l = language;
    SerialPortsPageCaptions c;
    c.portLabel = kPortIndex.in(l);
    c.modbusBox = "ModBus";
    c.dnp3Box = "DNP3";
    c.radioTitles = {kMode.in(l), "BaudRate", linkcaption::Format.in(l), "BaudRate", linkcaption::Format.in(l),
                     "Application Layer Confirm.", "Interframe Gap"};
    c.radioItems = {std::vector<std::string>{"ModBus", "DNP3"},
                    kBaudRates,
                    kFormats,
                    kBaudRates,
                    kFormats,
                    std::vector<std::string>{"Only events/multi-frag. resp.", kAlways.in(l)},
                    std::vector<std::string>{kNever.in(l), kAlways.in(l)}};
    c.editLabels = {linkcaption::Address.in(l), kTXDelay.in(l),       kHexAddress.in(l),
                    kFixedBackoff.in(l),        kRandomBackoff.in(l), kInterOctet.in(l)};
    c.readOnlyNoticeLabel = kCannotModify.in(l);
    return c;
}
