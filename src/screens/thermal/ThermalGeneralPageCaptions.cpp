#include "screens/thermal/ThermalGeneralPageCaptions.h"

#include "app/LanguageText.h"
#include "screens/common/GeneralPageCaptions.h"

namespace {
constexpr LangText kIndication{"Indicação", "Indication", "Indicación"};
constexpr LangText kTemperature{"Temperatura", "Temperature", "Temperatura"};
constexpr LangText kQuantity{"Grandeza", "Physical Quandity", "Grandeza"};
constexpr LangText kPercentage{"Porcentagem", "Percentage", "Porcentaje"};
constexpr LangText kOperatingFrequency{"Frequência de Operação", "Operation Frequency", "Frecuencia de Operación"};
constexpr LangText kWindingColumn{"Enr.", "Wind.", "Devan."};
constexpr LangText kCurrentAmps{"Corrente (A)", "Current (A)", "Corriente (A)"};
constexpr LangText kCurrentPercent{"Corrente (%)", "Current (%)", "Corriente (%)"};
} // namespace

ThermalGeneralPageCaptions thermalGeneralPageCaptions(int language)
{
    const int l = language;
    ThermalGeneralPageCaptions c;
    c.membraneTest = "Teste Falha Membrana";
    c.displayMode = kIndication.in(l);
    c.displayModeItems = {kTemperature.in(l), kQuantity.in(l), kPercentage.in(l)};
    c.operatingFrequency = kOperatingFrequency.in(l);
    c.operatingFrequencyItems = {"60 Hz", "50 Hz"};
    c.deviceLanguage = deviceLanguageTitle(l);
    c.deviceLanguageItems = deviceLanguageItems(l);
    c.measurementHeader = {"RTD", "Temp. (ºC)", "Resist. (ohms)"};
    c.windingMeasurementHeader = {kWindingColumn.in(l), "Temp. (ºC)", kCurrentAmps.in(l), kCurrentPercent.in(l)};
    return c;
}
