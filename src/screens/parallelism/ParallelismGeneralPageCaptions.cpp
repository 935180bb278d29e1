#include "screens/parallelism/ParallelismGeneralPageCaptions.h"

#include "app/LanguageText.h"
#include "screens/common/GeneralPageCaptions.h"
#include "screens/common/TapChangerTexts.h"

#include <initializer_list>

namespace {
constexpr LangText kStatusRows[] = {
    {"Posição Atual", "Current Position", "Posicion Actual"},
    {"Posição Esperada", "Expected Position", "Posicion Esperada"},
    {"Modo", "Mode", "Modo"},
    {"Erro de Comunicação", "Communication Error", "Error de Comunicación"},
    {"Erro de Configuração", "Configuration Error", "Error de Configuración"},
    {"Erro de Posição", "Position Error", "Error de Posición"},
    {"Erro de Sincronismo", "Synchronism Error", "Error de Sincronismo"},
    {"Erro Interno", "Internal Error", "Error Interno"}};
constexpr LangText kModes[] = {{"Mestre", "Master", "Maestro"},
                               {"Comandado", "Commanded", "Ordenado"},
                               {"Individual", "Individual", "Individual"},
                               {"Desligado", "Off", "Apagado"},
                               {"Desconhecido", "Unknown", "Desconocido"}};
constexpr LangText kCommunication[] = {
    {"Sem resposta de 1 ou mais comandados", "No answer from 1 or more commanded",
     "Sin respuesta de 1 o más dispositivos"},
    {"Outro equip. com mesmo endereço", "Other device with same addr.", "Otro dispositivo con misma dirección"}};
constexpr LangText kConfigurationErrors[] = {
    {"Mais de um modo selecionado", "2 or more modes selected", "Más de 1 modo seleccionado"},
    {"É mestre ou comandado, com taman. bus = 1", "Is master or commanded, but bus size = 1",
     "Es maestro ni ordenado, pero taman. bus = 1"},
    {"Não há mestre", "No master", "No hay maestro"},
    {"Mais de um mestre", "More than 1 master", "Más de un mastro"},
    {"Nenhum comandado respondeu", "No commanded answered", "Ningún ordenado respondió"},
    {"Algum equip. com endereço inválido", "Some device with invalid addr.", "Algun dispos. con dirección no válida"},
    {"Resist. por posição diferente", "Resis. per position different", "Resist. por posición diferente"}};
constexpr LangText kPosition[] = {{"Erro na medida", "Measurement error", "Error de medición"},
                                  {"Resistor não conectado", "Resistance not connected", "Resistor no conectado"}};
constexpr LangText kSynchronism[] = {{"Erro na própria posição", "Position error on self", "Error in propia posición"},
                                     {"Erro na posição de outro", "Position error on other device",
                                      "Error en la posición de otro"}};
constexpr LangText kInternal[] = {
    {"Falha do oscilador interno", "Internal oscillator failure", "Fallo del oscilador interno"}};
constexpr LangText kNoError{"Sem Erro", "No Error", "Sin Error"};
constexpr LangText kRelayLabels[] = {{"Comando para subir", "Rise command", "Commando p/ escalar"},
                                     {"Comando para descer", "Lower command", "Comando p/ descender"},
                                     {"Manual", "Manual", "Manual"},
                                     {"Mestre", "Master", "Maestro"},
                                     {"Comandado", "Commanded", "Commandado"},
                                     {"Individual", "Individual", "Individual"},
                                     {"Falha", "Failure", "Falla"}};
constexpr LangText kRelayFunctionNames[] = {{"Erro de Configuração", "Configuration Error", "Error de Configuración"},
                                   {"Erro de Comunicação", "Communication Error", "Error de Comunicación"},
                                   {"Erro de Medida", "Measurement Error", "Error de Medida"},
                                   {"Erro de Sincronismo", "Synchronism Error", "Error de Sincronización"},
                                   {"Operação Normal", "Normal Operation", "Operación Normal"}};

template <std::size_t N>
std::vector<std::string> texts(const LangText (&table)[N], int language)
{
    std::vector<std::string> out;
    for (const LangText& t : table)
        out.push_back(t.in(language));
    return out;
}
} // namespace

ParallelismGeneralPageCaptions parallelismGeneralPageCaptions(int language)
{
    ParallelismGeneralPageCaptions c;
    for (std::size_t i = 0; i < c.measurementRows.size(); ++i)
        c.measurementRows[i] = kStatusRows[i].in(language);
    for (std::size_t i = 0; i < c.modes.size(); ++i)
        c.modes[i] = kModes[i].in(language);
    c.errorBits = {texts(kCommunication, language), texts(kConfigurationErrors, language), texts(kPosition, language),
                   texts(kSynchronism, language), texts(kInternal, language)};
    c.noError = kNoError.in(language);
    for (std::size_t i = 0; i < 6; ++i)
        c.relayLabels[i] = kRelayLabels[i].in(language);
    c.relayLabels[9] = kRelayLabels[6].in(language);
    for (std::size_t i = 0; i < c.relayFunctions.size(); ++i)
        c.relayFunctions[i] = kRelayFunctionNames[i].in(language);
    c.positionUp = tapchanger::PositionUp.in(language);
    c.positionDown = tapchanger::PositionDown.in(language);
    c.deviceLanguage = deviceLanguageTitle(language);
    c.deviceLanguageItems = deviceLanguageItems(language);
    return c;
}

std::string parallelismErrorText(const ParallelismGeneralPageCaptions& captions, int group, int bits)
{
    std::string text;
    const std::vector<std::string>& names = captions.errorBits.at(static_cast<std::size_t>(group));
    for (std::size_t bit = 0; bit < names.size(); ++bit) {
        if ((bits >> bit) & 1)
            text += (text.empty() ? "" : "; ") + names[bit];
    }
    return text.empty() ? captions.noError : text;
}
