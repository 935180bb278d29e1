#include "screens/thermal/FrameConfSerialCaptions.h"

#include "app/LanguageText.h"

namespace {
constexpr LangText kIndice{"Indice da Serial", "Serial Index", "Indice de la Serial"};
constexpr LangText kModo{"Modo", "Mode", "Modo"};
constexpr LangText kFormato{"Formato", "Format", "Formato"};
constexpr LangText kSempre{"Sempre", "Always", "Siempre"};
constexpr LangText kNunca{"Nunca", "Never", "Nunca"};
constexpr LangText kEndereco{"Endereço", "Address", "Dirección"};
constexpr LangText kTXDelay{"Delay de Transm. (ms)", "Transm. Delay (ms)", "Delay de Transm. (ms)"};
constexpr LangText kEnderecoHex{"Endereço (Hexadecimal)", "Address (Hexadecimal)", "Dirección (Hexadecimal)"};
constexpr LangText kBackoffFixo{"Backoff Delay Fixo", "Backoff Fixed Delay", "Backoff Delay Fijo"};
constexpr LangText kBackoffAleatorio{"Backoff Delay Aleatório", "Backoff Random Delay", "Backoff Delay Aleatorio"};
constexpr LangText kInterOctet{"Inter-Octet Gap Máximo", "Max Inter-Octet Gap", "Inter-Octet Gap Máximo"};
constexpr LangText kNaoPodeModificar{
    "Não é possível modificar a configuração da serial quando está conectado pela serial",
    "It is not possible to modify the serial configuration when connected by serial",
    "No se puede cambiar la configuración de serial cuando se conecta por serial"};

const std::vector<std::string> kBaudRates{"9600", "19200", "38400", "57600", "115200"};
const std::vector<std::string> kFormats{"8N1", "8E1", "8O1", "8N2"};
} // namespace

FrameConfSerialCaptions frameConfSerialCaptions(int language)
{
    const int l = language;
    FrameConfSerialCaptions c;
    c.lblIndice = kIndice.in(l);
    c.gbModBus = "ModBus";
    c.gbDNP3 = "DNP3";
    c.radioTitles = {kModo.in(l), "BaudRate", kFormato.in(l), "BaudRate", kFormato.in(l),
                     "Application Layer Confirm.", "Interframe Gap"};
    c.radioItems = {std::vector<std::string>{"ModBus", "DNP3"},
                    kBaudRates,
                    kFormats,
                    kBaudRates,
                    kFormats,
                    std::vector<std::string>{"Only events/multi-frag. resp.", kSempre.in(l)},
                    std::vector<std::string>{kNunca.in(l), kSempre.in(l)}};
    c.editLabels = {kEndereco.in(l),    kTXDelay.in(l),          kEnderecoHex.in(l),
                    kBackoffFixo.in(l), kBackoffAleatorio.in(l), kInterOctet.in(l)};
    c.lblNaoPodeModificar = kNaoPodeModificar.in(l);
    return c;
}
