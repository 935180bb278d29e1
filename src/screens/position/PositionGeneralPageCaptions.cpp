#include "screens/position/PositionGeneralPageCaptions.h"

#include "app/LanguageText.h"
#include "screens/common/GeneralPageCaptions.h"
#include "screens/common/MeasurementHeader.h"

namespace {
constexpr LangText kIndicatorRows[] = {{"Resistência", "Resistance", "Resistencia"},
                              {"Corrente", "Current", "Corriente"},
                              {"Posição", "Position", "Posición"},
                              {"Indicação", "Indication", "Indicación"},
                              {"Falha", "Failure", "Falla"}};
constexpr LangText kRelays7to10[] = {{"Pos. Min.", "Min. Pos.", "Pos. Min."},
                                     {"Pos. Max.", "Max. Pos.", "Pos. Max."},
                                     {"Falha", "Failure", "Falla"},
                                     {"Falha Aliment.", "Power Failure", "Falla Aliment."}};
constexpr LangText kFailureTexts[] = {{"Erro na medida", "Measurement error", "Error en la medición"},
                                  {"Medida desconectada", "Measurement disconnected", "Medición desconectada"},
                                  {"Posição acima do número de posições", "Position above number of positions",
                                   "Posición por encima del número de posiciones"},
                                  {"Aguardando timeout da falha anterior", "Waiting timeout of previous failure",
                                   "Espera de timeout de la falla anterior"},
                                  {"Sem falha", "No failure", "Sin falla"}};
} // namespace

PositionGeneralPageCaptions positionGeneralPageCaptions(int language)
{
    PositionGeneralPageCaptions c;
    c.measurementHeader = kMeasurementHeader.in(language);
    for (std::size_t i = 0; i < c.measurementRows.size(); ++i)
        c.measurementRows[i] = kIndicatorRows[i].in(language);
    c.relayLabels = {"EA", "EB", "EC", "ED", "ZA", "ZB"};
    for (std::size_t i = 0; i < 4; ++i)
        c.relayLabels[6 + i] = kRelays7to10[i].in(language);
    c.deviceLanguage = deviceLanguageTitle(language);
    c.deviceLanguageItems = deviceLanguageItems(language);
    for (std::size_t i = 0; i < c.failures.size(); ++i)
        c.failures[i] = kFailureTexts[i].in(language);
    return c;
}
