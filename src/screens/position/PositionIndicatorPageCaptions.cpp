#include "screens/position/PositionIndicatorPageCaptions.h"

#include "app/LanguageText.h"

namespace {
constexpr LangText kTapChanger{"Comutador", "Tap Changer", "Cambiador"};
constexpr LangText kLabels[] = {
    {"Resistência por Posição (ohm)", "Resistance per Position (ohm)", "Resistencia por Posición (ohm)"},
    {"Num. Posições", "Num. Pos.", "Num. Posiciones"},
    {"Pos. Min.", "Min. Pos.", "Pos. Min."},
    {"Pos. Max.", "Max. Pos.", "Pos. Max."}};
constexpr LangText kReadingModeTitle{"Modo de Leitura", "Measurement Mode", "Modo de Lectura"};
constexpr LangText kResistance{"Resistência", "Resistance", "Resistência"};
constexpr LangText kCurrent{"Corrente", "Current", "Corriente"};
} // namespace

PositionIndicatorPageCaptions positionIndicatorPageCaptions(int language)
{
    PositionIndicatorPageCaptions c;
    c.tapChanger = kTapChanger.in(language);
    for (std::size_t i = 0; i < c.labels.size(); ++i)
        c.labels[i] = kLabels[i].in(language);
    c.readingMode = kReadingModeTitle.in(language);
    c.readingModeItems = {kResistance.in(language), kCurrent.in(language)};
    return c;
}
