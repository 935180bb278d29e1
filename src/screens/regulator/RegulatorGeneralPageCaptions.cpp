#include "screens/regulator/RegulatorGeneralPageCaptions.h"

#include "app/LanguageText.h"
#include "screens/common/GeneralPageCaptions.h"
#include "screens/common/MeasurementHeader.h"
#include "screens/common/TapChangerTexts.h"

#include <cstddef>

namespace {

constexpr LangText kReset{"Resetar Max/Min/Com", "Reset Max/Min/Comm", "Resetear Max/Min/Conm"};
constexpr LangText kIndicationMode{"Indicação", "Indication", "Indicación"};

constexpr LangText kFirstMeasurementRows[9] = {
    {"Tensão Sec.", "Sec. Volt.", "Tensión Secun."},   {"Corrente Sec.", "Sec. Curr.", "Corr. Secun."},
    {"Tensão Linha", "Line Volt.", "Tensión Línea"},   {"Corrente Linha", "Line Curr.", "Corr. Línea"},
    {"Tensão Carga", "Load Volt.", "Tensión Carga"},   {"Defas. Linha", "Line Lag", "Retraso Línea"},
    {"Fator Potência", "Power Factor", "Factor Potencia"}, {"Conj. Ativo", "Active Set", "Conj. Activo"},
    {"Pos. Atual", "Curr. Pos.", "Pos. Actual"},
};
constexpr LangText kSecondMeasurementRows[9] = {
    {"Pot. Aparente", "Apparent Power", "Poten. Aparente"},
    {"Pot. Ativa", "Active Power", "Poten. Real"},
    {"Pot. Reativa", "Reactive Power", "Poten. React."},
    {"% Tensão Nom.", "% Nom. Volt.", "% Tensión Nom."},
    {"% Corrente Nom.", "% Nom. Curr.", "% Corr. Nom."},
    {"Desvio Tensão", "Volt. Deviat.", "Desvi. Tensión"},
    {"Min. Pos.", "Min. Pos.", "Min. Pos."},
    {"Max. Pos.", "Max. Pos.", "Max. Pos."},
    {"Num. Comut.", "Num. Commut.", "Num. Conmut."},
};
constexpr LangText kRegulatorRelayLabels[10] = {
    {"Subir", "Up", "Subir"},
    {"Descer", "Down", "Bajar"},
    {"Subtensão", "Undervoltage", "Subtensión"},
    {"Sobretensão", "Overvoltage", "Sobretensión"},
    {"Sobrecorrente", "Overcurrent", "Sobrecorriente"},
    {"Falha", "Failure", "Falla"},
    {"Pos. Min.", "Min. Pos.", "Pos. Min."},
    {"Pos. Max.", "Max. Pos.", "Pos. Max."},
    {"Pré Sin. Subir", "Pre Sign. Up", "Pre Sin. Subir"},
    {"Pré Sin. Descer", "Pre Sign. Down", "Pre Sin. Bajar"},
};

} // namespace

RegulatorGeneralPageCaptions regulatorGeneralPageCaptions(int language)
{
    const int l = language;
    RegulatorGeneralPageCaptions c;
    c.resetMaxMinCount = kReset.in(l);
    c.positionUp = tapchanger::PositionUp.in(l);
    c.positionDown = tapchanger::PositionDown.in(l);
    c.indicationMode = kIndicationMode.in(l);
    // The same in every language.
    c.indicationModeItems = {"1 ... n", "-x ... +y", "+y ... -x", "xL ... N ... yR", "xR ... N ... yL"};
    c.deviceLanguage = deviceLanguageTitle(l);
    c.deviceLanguageItems = deviceLanguageItems(l);
    c.measurementHeader = kMeasurementHeader.in(l);
    for (std::size_t i = 0; i < c.measurementRows.size(); ++i) {
        c.measurementRows[i] = kFirstMeasurementRows[i].in(l);
        c.secondMeasurementRows[i] = kSecondMeasurementRows[i].in(l);
    }
    for (std::size_t i = 0; i < c.relayLabels.size(); ++i)
        c.relayLabels[i] = kRegulatorRelayLabels[i].in(l);
    return c;
}
