#include "screens/parallelism/ParallelismPageCaptions.h"

#include "app/LanguageText.h"

namespace {
// In the order of ParallelismEdit.
constexpr LangText kLabels[] = {
    {"Tamanho do BUS", "BUS size", "Tamaño del BUS"},
    {"Número de Posições", "Number of Positions", "Número de Posiciones"},
    {"Resistência por Posição", "Resistance per Position", "Resistencia por Posición"},
    {"Tempo de Erro de Paralelismo", "Parallelism Error Time", "Tiempo de Error de Paralelismo"},
    {"Tempo de Erro de Configuração", "Configuration Error Time", "Tiempo de Error de Configuración"},
    {"Endereço do Dispositivo", "Device Address", "Direccion del Dispositivo"}};
constexpr LangText kPositionReadingTitle{"Leitura da Posição", "Position Measurement", "Leitura de la Posición"};
constexpr LangText kPositionReadingItems[] = {{"Resistência RTD", "RTD Resistance", "Resistencia RTD"},
                                              {"Entrada BCD", "BDC Input", "Entrada BCD"},
                                              {"Entrada de Corrente", "Current Input", "Entrada de Corriente"}};
constexpr LangText kRelayConfigurationPrefix{"Configuração do Relé ", "Relay ", "Configuración del Relé "};
constexpr LangText kRelayConfigurationSuffix{"", " Configuration", ""};
constexpr LangText kFunctions[] = {
    {"Erro de Configuração, Falha Fechado", "Configuration Error, Closed Fail", "Error de Configuracióm, Falla Cerrado"},
    {"Erro de Configuração, Falha Aberto", "Configuration Error, Open Fail", "Error de Configuración, Falla Aberto"},
    {"Erro de Comunicação, Falha Fechado", "Communication Error, Closed Fail", "Error de Comunicación, Falla Cerrado"},
    {"Erro de Comunicação, Falha Aberto", "Communication Error, Open Fail", "Error de Comunicación, Falla Aberto"},
    {"Erro de Medida, Falha Fechado", "Measurement Error, Closed Fail", "Error de Medida, Falla Cerrado"},
    {"Erro de Medida, Falha Aberto", "Measurement Error, Open Fail", "Error de Medida, Falla Aberto"},
    {"Erro de Sincronismo, Falha Fechado", "Synchronism Error, Closed Fail", "Error de Sincronismo, Falla Cerrado"},
    {"Erro de Sincronismo, Falha Aberto", "Synchronism Error, Open Fail", "Error de Sincronismo, Falla Aberto"},
    {"Operação Normal, Normalmente Fechado", "Normal Operation, Normally Closed", "Operación Normal, Normalmente Cerrado"},
    {"Operação Normal, Normalmente Aberto", "Normal Operation, Normally Open", "Operación Normal, Normalmente Aberto"}};
} // namespace

ParallelismPageCaptions parallelismPageCaptions(int language)
{
    ParallelismPageCaptions c;
    for (std::size_t i = 0; i < c.labels.size(); ++i)
        c.labels[i] = kLabels[i].in(language);
    c.radioTitles[0] = kPositionReadingTitle.in(language);
    for (const LangText& item : kPositionReadingItems)
        c.radioItems[0].push_back(item.in(language));
    for (std::size_t r = 1; r < c.radioTitles.size(); ++r) {
        c.radioTitles[r] =
            kRelayConfigurationPrefix.in(language) + std::to_string(6 + r) + kRelayConfigurationSuffix.in(language);
        for (const LangText& item : kFunctions)
            c.radioItems[r].push_back(item.in(language));
    }
    return c;
}
