#include "screens/position/FrameConfQLX700CCaptions.h"

#include "app/LanguageText.h"

namespace {
constexpr LangText kComutador{"Comutador", "Tap Changer", "Cambiador"};
constexpr LangText kLabels[] = {
    {"Resistência por Posição (ohm)", "Resistance per Position (ohm)", "Resistencia por Posición (ohm)"},
    {"Num. Posições", "Num. Pos.", "Num. Posiciones"},
    {"Pos. Min.", "Min. Pos.", "Pos. Min."},
    {"Pos. Max.", "Max. Pos.", "Pos. Max."}};
constexpr LangText kModo{"Modo de Leitura", "Measurement Mode", "Modo de Lectura"};
constexpr LangText kResistencia{"Resistência", "Resistance", "Resistência"};
constexpr LangText kCorrente{"Corrente", "Current", "Corriente"};
} // namespace

FrameConfQLX700CCaptions frameConfQLX700CCaptions(int language)
{
    FrameConfQLX700CCaptions c;
    c.gbComutador = kComutador.in(language);
    for (std::size_t i = 0; i < c.labels.size(); ++i)
        c.labels[i] = kLabels[i].in(language);
    c.rgModoLeitura = kModo.in(language);
    c.rgModoLeituraItems = {kResistencia.in(language), kCorrente.in(language)};
    return c;
}
