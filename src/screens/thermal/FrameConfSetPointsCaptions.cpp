#include "screens/thermal/FrameConfSetPointsCaptions.h"

#include "app/LanguageText.h"

namespace {

constexpr LangText kHeader[] = {
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

constexpr LangText kAlternado[] = {
    {"Desabilitado", "Disabled", "Deshabilitado"},
    {"Reles 5 e 6", "Relays 5 and 6", "Reles 5 y 6"},
    {"Reles 7 e 8", "Relays 7 and 8", "Reles 7 y 8"},
    {"Reles (5 e 6) e  (7 e 8)", "Relays (5 and 6) and  (7 and 8)", "Reles (5 y 6) y  (7 y 8)"},
};

constexpr LangText kResfriamento{"Resfriamento Diário", "Daily Cooling", "Enfriamiento Diario"};
constexpr LangText kInicio{"Horário de Início", "Start Time", "Hora de Inicio"};
constexpr LangText kDuracao{"Duração (min) (0 = desligado)", "Duration (min) (0 = off)", "Duración (min) (0 = apagado)"};
constexpr LangText kConfig{"Configurações", "Configuration", "Configuración"};
constexpr LangText kNumRtd{"RTDs Ativos", "Active RTDs", "RTDs Activos"};
constexpr LangText kReleAlternado{"Alternância de Setpoint", "Setpoint Alternate", "Alternar Setpoints"};
constexpr LangText kRedundante{"RTDs Redundantes", "Redundant RTDs", "RTDs Redundantes"};
constexpr LangText kMaxDifTemp{"Máxima Diferença de Temperatura (ºC)", "Max Temperature Difference (ºC)",
                               "Diferencia de Temperatura Máxima (ºC)"};
constexpr LangText kCalc{"Cálculo", "Calculation", "Cálculo"};
constexpr LangText kCorrNom{"Corrente Nominal (A):", "Nominal Current (A):", "Corriente Nominal (A):"};
constexpr LangText kDeltaT{"Delta T (ºC):", "Delta T (ºC):", "Delta T (ºC):"};
constexpr LangText kConstT{"Constante de Tempo (min):", "Time Constant (min):", "Constante de Tiempo (min):"};
constexpr LangText kM{"Parâmetro M", "Parameter M", "Parámetro M"};

} // namespace

FrameConfSetPointsCaptions frameConfSetPointsCaptions(int language)
{
    FrameConfSetPointsCaptions c;
    for (std::size_t i = 0; i < c.header.size(); ++i)
        c.header[i] = kHeader[i].in(language);
    for (std::size_t i = 0; i < c.choices.size(); ++i)
        c.choices[i] = kChoices[i].in(language);
    for (const LangText& item : kAlternado)
        c.cbReleAlternadoItems.push_back(item.in(language));
    c.gbResfriamentoDiario = kResfriamento.in(language);
    c.lblResfriamentoDiarioInicio = kInicio.in(language);
    c.lblResfriamentoDiarioDuracao = kDuracao.in(language);
    c.gbConfig = kConfig.in(language);
    c.rgNumRtd = kNumRtd.in(language);
    c.lblReleAlternado = kReleAlternado.in(language);
    c.gbRedundante = kRedundante.in(language);
    c.lblMaxDifTemp = kMaxDifTemp.in(language);
    c.gbCalc = kCalc.in(language);
    c.lblCalcCorrNom = kCorrNom.in(language);
    c.lblCalcDeltaT = kDeltaT.in(language);
    c.lblCalcConstT = kConstT.in(language);
    c.lblCalcM = kM.in(language);
    return c;
}
