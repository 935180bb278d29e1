#include "screens/thermal/FrameDownloadCaptions.h"

#include "app/LanguageText.h"

namespace {
constexpr LangText kTempMaxima{"Temp. Máxima", "Max Temp.", "Temp. Máxima"};
constexpr LangText kHorario{"Horário", "Time", "Hora"};
constexpr LangText kEnr{"Enr ", "Wind ", "Dev "};
constexpr LangText kZerar{"Zerar Máximos", "Reset Max", "Reajustar Máximos"};
constexpr LangText kBaixar{"Baixar Eventos", "Download Events", "Descargar Eventos"};
constexpr LangText kApagar{"Apagar Eventos", "Erase Events", "Borrar Eventos"};
constexpr LangText kTimer{"Timer Eventos (em min., 0 = desligado)", "Event Timer (in minutes, 0 = off)",
                          "Timer Eventos (en min., 0 = nunca)"};
constexpr LangText kNumEventos{"Num. Eventos Gravados: ", "Num. of Recorded Events: ", "Num. Eventos Grabados: "};
} // namespace

FrameDownloadCaptions frameDownloadCaptions(int language)
{
    FrameDownloadCaptions c;
    c.header = {kTempMaxima.in(language), "Timestamp48", kHorario.in(language)};
    for (int w = 0; w < 3; ++w)
        c.rows[static_cast<std::size_t>(w)] = kEnr.in(language) + std::to_string(w + 1);
    for (int k = 0; k < 6; ++k)
        c.rows[static_cast<std::size_t>(3 + k)] = "RTD " + std::to_string(k + 1);
    c.bbZerarMaximos = kZerar.in(language);
    c.bbBaixarEventos = kBaixar.in(language);
    c.bbApagarEventos = kApagar.in(language);
    c.lblTimerEventos = kTimer.in(language);
    c.pnNumEventos = kNumEventos.in(language);
    return c;
}
