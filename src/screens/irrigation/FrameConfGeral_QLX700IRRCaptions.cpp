#include "screens/irrigation/FrameConfGeral_QLX700IRRCaptions.h"

#include "app/LanguageText.h"
#include "screens/common/GeneralFrameCaptions.h"

namespace {
constexpr LangText kRows[] = {{"Pluviometro", "Pluviometer", "Pluviometro"},
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
constexpr LangText kManual{"Ciclo/Controle Manual", "Manual Cycle/Control", "Ciclo/Control Manual"};
constexpr LangText kResetHydrometer{"Zerar Hidrometro", "Reset Hydrometer", "Reiniciar Hidrometro"};
constexpr LangText kResetPluviometer{"Zerar Pluviometro", "Reset Pluviometer", "Reiniciar Pluviometro"};
constexpr LangText kUnblock{"Desbloquear Sistema", "Unblock System", "Desbloquear Sistema"};
constexpr LangText kEmergency{"Aciona Emergência", "Trigger Emergency", "Emergencia"};
constexpr LangText kAlarms[] = {{">Sem água<", ">No water<", ">Falta agua<"},
                                {">Pluviômetro acima lim<", ">Pluviometer above lim<", ">Pluviometro encima lim<"},
                                {">Pressão alta<", ">Pressure too high<", ">Presion Alta<"},
                                {">Pressão baixa<", ">Pressure too low<", ">Presion Baja<"},
                                {">Hidrômetro acima lim<", ">Hydrometer above lim<", ">Hidrometro encima lim<"},
                                {">Emergência<", ">Emergency<", ">Emergencia<"}};
constexpr LangText kNenhumaValvula{"Nenhuma válvula acionada", "No active valve", "Ninguna valvula activada"};
constexpr LangText kSistemaOk{"Sistema OK", "System OK", "Sistema OK"};
} // namespace

FrameConfGeral_QLX700IRRCaptions frameConfGeral_QLX700IRRCaptions(int language)
{
    FrameConfGeral_QLX700IRRCaptions c;
    for (std::size_t i = 0; i < std::size(kRows); ++i)
        c.medidaRows[i + 1] = kRows[i].in(language);
    for (std::size_t i = 0; i < c.lampLabels.size(); ++i)
        c.lampLabels[i] = kLamps[i].in(language);
    c.bbManual = kManual.in(language);
    c.bbResetHydrometer = kResetHydrometer.in(language);
    c.bbResetPluviometer = kResetPluviometer.in(language);
    c.bbUnblockSystem = kUnblock.in(language);
    c.bbEmergency = kEmergency.in(language);
    c.rgIdioma = deviceLanguageTitle(language);
    c.rgIdiomaItems = deviceLanguageItems(language);
    for (std::size_t i = 0; i < c.alarms.size(); ++i)
        c.alarms[i] = kAlarms[i].in(language);
    c.nenhumaValvula = kNenhumaValvula.in(language);
    c.sistemaOk = kSistemaOk.in(language);
    return c;
}
