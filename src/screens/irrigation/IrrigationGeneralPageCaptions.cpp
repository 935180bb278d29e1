#include "screens/irrigation/IrrigationGeneralPageCaptions.h"

#include "app/LanguageText.h"
#include "screens/common/GeneralPageCaptions.h"

namespace {
constexpr LangText kMeasurementRows[] = {{"Pluviometro", "Pluviometer", "Pluviometro"},
                                         {"Hidrometro Acuml", "Accum Hydrometer", "Hidrometro Acuml"},
                                         {"Hidrometro Ultim Ciclo", "Last Cycle Hydrometer", "Hidrometro Ultim Ciclo"},
                                         {"Pressão", "Pressure", "Pressión"},
                                         {"Dig In", "Dig In", "Dig In"},
                                         {"Temperatura", "Temperature", "Temperatura"},
                                         {"Estado Sistema", "System Status", "Estado Sistema"}};
constexpr LangText kLamps[] = {{"Bomba", "Pump", "Bomba"},
                               {"Bloqueio", "Block", "Bloqueo"},
                               {"Água", "Water", "Agua"},
                               {"Pressostato", "Pressure", "Presión"},
                               {"Falha", "Failure", "Falla"}};
constexpr LangText kManualOperation{"Ciclo/Controle Manual", "Manual Cycle/Control", "Ciclo/Control Manual"};
constexpr LangText kResetHydrometer{"Zerar Hidrometro", "Reset Hydrometer", "Reiniciar Hidrometro"};
constexpr LangText kResetPluviometer{"Zerar Pluviometro", "Reset Pluviometer", "Reiniciar Pluviometro"};
constexpr LangText kUnblock{"Desbloquear Sistema", "Unblock System", "Desbloquear Sistema"};
constexpr LangText kEmergency{"Aciona Emergência", "Trigger Emergency", "Emergencia"};
constexpr LangText kAlarmTexts[] = {{">Sem água<", ">No water<", ">Falta agua<"},
                                    {">Pluviômetro acima lim<", ">Pluviometer above lim<", ">Pluviometro encima lim<"},
                                    {">Pressão alta<", ">Pressure too high<", ">Presion Alta<"},
                                    {">Pressão baixa<", ">Pressure too low<", ">Presion Baja<"},
                                    {">Hidrômetro acima lim<", ">Hydrometer above lim<", ">Hidrometro encima lim<"},
                                    {">Emergência<", ">Emergency<", ">Emergencia<"}};
constexpr LangText kNoActiveValve{"Nenhuma válvula acionada", "No active valve", "Ninguna valvula activada"};
constexpr LangText kSystemOk{"Sistema OK", "System OK", "Sistema OK"};
} // namespace

IrrigationGeneralPageCaptions irrigationGeneralPageCaptions(int language)
{
    IrrigationGeneralPageCaptions c;
    for (std::size_t i = 0; i < std::size(kMeasurementRows); ++i)
        c.measurementRows[i + 1] = kMeasurementRows[i].in(language);
    for (std::size_t i = 0; i < c.lampLabels.size(); ++i)
        c.lampLabels[i] = kLamps[i].in(language);
    c.manualOperationButton = kManualOperation.in(language);
    c.resetHydrometerButton = kResetHydrometer.in(language);
    c.resetPluviometerButton = kResetPluviometer.in(language);
    c.unblockSystemButton = kUnblock.in(language);
    c.emergencyButton = kEmergency.in(language);
    c.deviceLanguage = deviceLanguageTitle(language);
    c.deviceLanguageItems = deviceLanguageItems(language);
    for (std::size_t i = 0; i < c.alarms.size(); ++i)
        c.alarms[i] = kAlarmTexts[i].in(language);
    c.noActiveValve = kNoActiveValve.in(language);
    c.systemOk = kSystemOk.in(language);
    return c;
}
