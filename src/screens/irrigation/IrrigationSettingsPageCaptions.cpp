#include "screens/irrigation/IrrigationSettingsPageCaptions.h"

#include "app/LanguageText.h"

#include <iterator>

namespace {

constexpr LangText kGroupTitles[] = {{"Ciclo de Irrigação", "Irrigation Cycle", "Ciclo de Irrigación"},
                                      {"Geral", "General", "General"},
                                      {"Bomba", "Pump", "Bomba"},
                                      {"Sensores", "Sensors", "Sensores"}};

constexpr LangText kNone{"", "", ""};
constexpr LangText kMin{"min", "min", "min"};
constexpr LangText kBar{"BAR", "BAR", "BAR"};
constexpr LangText kSeconds{"s", "s", "s"};

// In the order of IrrEdit.
constexpr LangText kEditLabels[] = {
    {"Início", "Start", "Início"},
    kNone,
    {"Duração", "Duration", "Duración"},
    {"Hidrômetro Máximo", "Max Hydrometer", "Hidrometro Max"},
    {"Duração em Manual", "Manual Duration", "Duración en Manual"},
    {"Fundo de Escala Sensor Pressão", "Pressure Sensor Full Scale", "Escala Completa Sensor de Pressión"},
    {"Pressão Máxima", "Max Pressure", "Pressión Máxima"},
    {"Pressão Mínima", "Min Pressure", "Pression Mínima"},
    {"Timer Pressão Máxima", "Timer Max Pressure", "Timer Pressión Máxima"},
    {"Timer Pressão Mínima", "Timer Min Pressure", "Timer Pressión Mínima"},
    {"Fator Hidrômetro", "Hydrometer Factor", "Fator Hidrômetro"},
    {"Fator Pluviômetro", "Pluviometer Factor", "Fator Pluviômetro"},
    {"Máximo Pluviômetro (0 = sem limite)", "Max Pluviometer (0 = no limit)", "Máximo Pluviômetro (0 = sin limite)"},
    {"Período Pluviômetro", "Pluviometer Period", "Período Pluviômetro"},
};
constexpr LangText kUnits[] = {
    kNone,
    kNone,
    kMin,
    {"L", "L", "L"},
    kMin,
    kBar,
    kBar,
    kBar,
    kSeconds,
    kSeconds,
    {"L/pulso", "L/pulse", "L/pulso"},
    {"mm/m2/pulso", "mm/m2/pulse", "mm/m2/pulso"},
    {"mm/m2", "mm/m2", "mm/m2"},
    {"h", "h", "h"},
};
static_assert(std::size(kEditLabels) == kIrrEditCount && std::size(kUnits) == kIrrEditCount);

// In the order of IrrCheck after the five branches.
constexpr LangText kCycleBranch{"Ramal ", "Branch ", "Ramal "};
constexpr LangText kSwitches[] = {{"Bloquear se Passar", "Block if Exceeded", "Bloquear si pasar"},
                                  {"Habilita Hidrômetro", "Habilita Hidrômetro", "Habilita Hidrômetro"},
                                  {"Habilita Pluviômetro", "Habilita Pluviômetro", "Habilita Pluviômetro"},
                                  {"Habilita Pt100", "Enable Pt100", "Habilita Pt100"}};
static_assert(std::size(kSwitches) == kIrrCheckCount - kIrrBranchCount);

struct RadioTexts {
    LangText title;
    LangText items[2];
};
// In the order of IrrRadio.
constexpr RadioTexts kRadioTexts[] = {
    {{"Habilita Válvulas", "Enable Valves", "Habilita Válvulas"},
     {{"Desabilita", "Disable", "Desactivar"}, {"Habilita", "Enable", "Habilita"}}},
    {{"Sensor de Pressão", "Pressure Sensor", "Sensor de Pressión"},
     {{"Rele", "Relay", "Rele"}, {"Entrada Corrente", "Current Input", "Entrada Corriente"}}},
    {{"Modo de Operação", "Operation Mode", "Modo de Operación"},
     {{"Manual", "Manual", "Manual"}, {"Automático", "Automatic", "Automático"}}},
    {{"Sensor de Presença de Água", "Water Presence Sensor", "Sensor de Presencia de Agua"},
     {{"NF", "NC", "NC"}, {"NA", "NO", "NA"}}},
    {{"Pressostato", "Pressure Sensor", "Sensor de Pressión"}, {{"NF", "NC", "NC"}, {"NA", "NO", "NA"}}},
};
static_assert(std::size(kRadioTexts) == kIrrRadioCount);

constexpr LangText kInvalidSettingValue{"Valor inválido: ", "Invalid value: ", "Valor no válido: "};

} // namespace

IrrigationSettingsPageCaptions irrigationSettingsPageCaptions(int language)
{
    IrrigationSettingsPageCaptions c;
    for (std::size_t i = 0; i < c.groups.size(); ++i)
        c.groups[i] = kGroupTitles[i].in(language);
    for (std::size_t i = 0; i < c.cycleItems.size(); ++i)
        c.cycleItems[i] = std::to_string(i + 1);
    for (std::size_t i = 0; i < c.labels.size(); ++i) {
        c.labels[i] = kEditLabels[i].in(language);
        c.units[i] = kUnits[i].in(language);
    }
    for (std::size_t i = 0; i < kIrrBranchCount; ++i)
        c.checks[i] = kCycleBranch.in(language) + std::to_string(i + 1);
    for (std::size_t i = kIrrBranchCount; i < c.checks.size(); ++i)
        c.checks[i] = kSwitches[i - kIrrBranchCount].in(language);
    for (std::size_t i = 0; i < c.radioTitles.size(); ++i) {
        c.radioTitles[i] = kRadioTexts[i].title.in(language);
        c.radioItems[i] = {kRadioTexts[i].items[0].in(language), kRadioTexts[i].items[1].in(language)};
    }
    c.invalidValue = kInvalidSettingValue.in(language);
    return c;
}
