#include "screens/thermal/SetPointsPageCaptions.h"

#include "app/LanguageText.h"

namespace {

constexpr LangText kGridColumns[] = {
    {"Rele", "Relay", "Rele"},
    {"RTD SP (ºC)", "RTD SP (ºC)", "RTD SP (ºC)"},
    {"RTD Hist (ºC)", "RTD Hyst (ºC)", "RTD Hist (ºC)"},
    {"Retar (min)", "Delay (min)", "Retar (min)"},
    {"Canal Assoc.", "Assoc. Ch", "Canal Asoc."},
    {"Força", "Force", "Fuerza"},
    {"Lógica Inv.", "Inv. Logic", "Lógica Inv."},
    {"Corr SP (%)", "Corr SP (%)", "Corr SP (%)"},
    {"Corr Hist (%)", "Corr Hist (%)", "Corr Hist (%)"},
    {"Func Assoc", "Assoc. Func", "Func Asoc"},
};

constexpr LangText kChoices[] = {
    {"Óleo", "Oil", "Oleo"},
    {"Enrolamento 1", "Winding 1", "Devanado 1"},
    {"Enrolamento 2", "Winding 2", "Devanado 2"},
    {"Enrolamento 3", "Winding 3", "Devanado 3"},
    {"RTD 2", "RTD 2", "RTD 2"},
    {"RTD 3", "RTD 3", "RTD 3"},
    {"RTD 4", "RTD 4", "RTD 4"},
    {"RTD 5", "RTD 5", "RTD 5"},
    {"RTD 6", "RTD 6", "RTD 6"},
    {"Não Força", "Don't Force", "No Fuerza"},
    {"Força", "Force", "Fuerza"},
    {"Normal", "Normal", "Normal"},
    {"Inversa", "Inverse", "Inversa"},
    {"Alarme", "Alarm", "Alarma"},
    {"Resfriamento", "Cooling", "Enfriamiento"},
    {"Valor Inválido", "Invalid Value", "Valor no válido"},
    {"Se a configuração de Alternância de Setpoint falhou, verifique se os seguintes valores estão iguais:\n"
     "RTD Hist(ºC), Corr Hist (%), Retar (min), Canal Assoc e Func Assoc",
     "If the Setpoint Alternate configuration failed, check if the following values are the same:\n"
     "RTD Hist(ºC), Corr Hist (%), Delay (min), Assoc Ch and Assoc Func",
     "Si la configuración de Alternar Setpoints ha fallado, comprobar si los siguientes valores son iguales:\n"
     "RTD Hist(ºC), Corr Hist (%), Retar (min), Canal Asoc y Func Asoc"},
};

constexpr LangText kAlternationItems[] = {
    {"Desabilitado", "Disabled", "Deshabilitado"},
    {"Reles 5 e 6", "Relays 5 and 6", "Reles 5 y 6"},
    {"Reles 7 e 8", "Relays 7 and 8", "Reles 7 y 8"},
    {"Reles (5 e 6) e  (7 e 8)", "Relays (5 and 6) and  (7 and 8)", "Reles (5 y 6) y  (7 y 8)"},
};

constexpr LangText kDailyCooling{"Resfriamento Diário", "Daily Cooling", "Enfriamiento Diario"};
constexpr LangText kCoolingStart{"Horário de Início", "Start Time", "Hora de Inicio"};
constexpr LangText kCoolingDuration{"Duração (min) (0 = desligado)", "Duration (min) (0 = off)", "Duración (min) (0 = apagado)"};
constexpr LangText kConfigurationTitle{"Configurações", "Configuration", "Configuración"};
constexpr LangText kActiveRtdsTitle{"RTDs Ativos", "Active RTDs", "RTDs Activos"};
constexpr LangText kSetPointAlternation{"Alternância de Setpoint", "Setpoint Alternate", "Alternar Setpoints"};
constexpr LangText kRedundantRtds{"RTDs Redundantes", "Redundant RTDs", "RTDs Redundantes"};
constexpr LangText kMaxTemperatureDifference{"Máxima Diferença de Temperatura (ºC)", "Max Temperature Difference (ºC)",
                                             "Diferencia de Temperatura Máxima (ºC)"};
constexpr LangText kCalculation{"Cálculo", "Calculation", "Cálculo"};
constexpr LangText kNominalCurrent{"Corrente Nominal (A):", "Nominal Current (A):", "Corriente Nominal (A):"};
constexpr LangText kDeltaT{"Delta T (ºC):", "Delta T (ºC):", "Delta T (ºC):"};
constexpr LangText kTimeConstant{"Constante de Tempo (min):", "Time Constant (min):", "Constante de Tiempo (min):"};
constexpr LangText kParameterM{"Parâmetro M", "Parameter M", "Parámetro M"};

} // namespace

SetPointsPageCaptions setPointsPageCaptions(int language)
{
    SetPointsPageCaptions c;
    for (std::size_t i = 0; i < c.header.size(); ++i)
        c.header[i] = kGridColumns[i].in(language);
    for (std::size_t i = 0; i < c.choices.size(); ++i)
        c.choices[i] = kChoices[i].in(language);
    for (const LangText& item : kAlternationItems)
        c.setPointAlternationItems.push_back(item.in(language));
    c.dailyCoolingBox = kDailyCooling.in(language);
    c.dailyCoolingStartLabel = kCoolingStart.in(language);
    c.dailyCoolingDurationLabel = kCoolingDuration.in(language);
    c.configurationBox = kConfigurationTitle.in(language);
    c.activeRtdCount = kActiveRtdsTitle.in(language);
    c.setPointAlternationLabel = kSetPointAlternation.in(language);
    c.redundantRtdsBox = kRedundantRtds.in(language);
    c.maxTemperatureDifferenceLabel = kMaxTemperatureDifference.in(language);
    c.calculationBox = kCalculation.in(language);
    c.nominalCurrentLabel = kNominalCurrent.in(language);
    c.deltaTLabel = kDeltaT.in(language);
    c.timeConstantLabel = kTimeConstant.in(language);
    c.parameterMLabel = kParameterM.in(language);
    return c;
}
