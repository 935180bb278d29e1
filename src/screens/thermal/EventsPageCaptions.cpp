#include "screens/thermal/EventsPageCaptions.h"

#include "app/LanguageText.h"

namespace {
constexpr LangText kMaxTemperature{"Temp. Máxima", "Max Temp.", "Temp. Máxima"};
constexpr LangText kTimeColumn{"Horário", "Time", "Hora"};
constexpr LangText kWindingRow{"Enr ", "Wind ", "Dev "};
constexpr LangText kResetMaxima{"Zerar Máximos", "Reset Max", "Reajustar Máximos"};
constexpr LangText kDownloadEvents{"Baixar Eventos", "Download Events", "Descargar Eventos"};
constexpr LangText kEraseEvents{"Apagar Eventos", "Erase Events", "Borrar Eventos"};
constexpr LangText kEventTimer{"Timer Eventos (em min., 0 = desligado)", "Event Timer (in minutes, 0 = off)",
                               "Timer Eventos (en min., 0 = nunca)"};
constexpr LangText kRecordedEvents{"Num. Eventos Gravados: ", "Num. of Recorded Events: ", "Num. Eventos Grabados: "};
} // namespace

EventsPageCaptions eventsPageCaptions(int language)
{
    EventsPageCaptions c;
    c.header = {kMaxTemperature.in(language), "Timestamp48", kTimeColumn.in(language)};
    for (int w = 0; w < 3; ++w)
        c.rows[static_cast<std::size_t>(w)] = kWindingRow.in(language) + std::to_string(w + 1);
    for (int k = 0; k < 6; ++k)
        c.rows[static_cast<std::size_t>(3 + k)] = "RTD " + std::to_string(k + 1);
    c.resetMaximaButton = kResetMaxima.in(language);
    c.downloadEventsButton = kDownloadEvents.in(language);
    c.eraseEventsButton = kEraseEvents.in(language);
    c.eventIntervalLabel = kEventTimer.in(language);
    c.eventCountText = kRecordedEvents.in(language);
    return c;
}
