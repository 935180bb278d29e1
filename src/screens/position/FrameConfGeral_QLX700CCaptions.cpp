#include "screens/position/FrameConfGeral_QLX700CCaptions.h"

#include "app/LanguageText.h"
#include "screens/common/GeneralFrameCaptions.h"

namespace {
constexpr LangText kMedida{"Medida", "Measure", "Medida"};
constexpr LangText kRows[] = {{"Resistência", "Resistance", "Resistencia"},
                              {"Corrente", "Current", "Corriente"},
                              {"Posição", "Position", "Posición"},
                              {"Indicação", "Indication", "Indicación"},
                              {"Falha", "Failure", "Falla"}};
constexpr LangText kRelays7to10[] = {{"Pos. Min.", "Min. Pos.", "Pos. Min."},
                                     {"Pos. Max.", "Max. Pos.", "Pos. Max."},
                                     {"Falha", "Failure", "Falla"},
                                     {"Falha Aliment.", "Power Failure", "Falla Aliment."}};
constexpr LangText kFailures[] = {{"Erro na medida", "Measurement error", "Error en la medición"},
                                  {"Medida desconectada", "Measurement disconnected", "Medición desconectada"},
                                  {"Posição acima do número de posições", "Position above number of positions",
                                   "Posición por encima del número de posiciones"},
                                  {"Aguardando timeout da falha anterior", "Waiting timeout of previous failure",
                                   "Espera de timeout de la falla anterior"},
                                  {"Sem falha", "No failure", "Sin falla"}};
} // namespace

FrameConfGeral_QLX700CCaptions frameConfGeral_QLX700CCaptions(int language)
{
    FrameConfGeral_QLX700CCaptions c;
    c.medidaHeader = kMedida.in(language);
    for (std::size_t i = 0; i < c.medidaRows.size(); ++i)
        c.medidaRows[i] = kRows[i].in(language);
    c.relayLabels = {"EA", "EB", "EC", "ED", "ZA", "ZB"};
    for (std::size_t i = 0; i < 4; ++i)
        c.relayLabels[6 + i] = kRelays7to10[i].in(language);
    c.rgIdioma = deviceLanguageTitle(language);
    c.rgIdiomaItems = deviceLanguageItems(language);
    for (std::size_t i = 0; i < c.failures.size(); ++i)
        c.failures[i] = kFailures[i].in(language);
    return c;
}
