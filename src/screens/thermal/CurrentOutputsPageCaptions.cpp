#include "screens/thermal/CurrentOutputsPageCaptions.h"

#include "app/LanguageText.h"

namespace {
constexpr LangText kRangeTitle{"Escala", "Scale", "Escala"};
constexpr LangText kFixedRangeText{"Escala: 0 - 1 mA", "Scale: 0 - 1 mA", "Escala: 0 - 1 mA"};
constexpr LangText kFullScale{"Fundo de Escala", "Full Scale", "Fondo de Escala"};
constexpr LangText kVoltageFullScale{"Fundo de Escala Tensão", "Voltage Full Scale", "Fondo de Escala Tensión"};
constexpr LangText kCurrentFullScale{"Fundo de Escala Corrente", "Current Full Scale", "Fondo de Escala Corriente"};
constexpr LangText kOutputChannel{"Canal Associado à Saída ", "Channel Associated to Output ",
                                  "Canal Asociado a la Salida "};
} // namespace

CurrentOutputsPageCaptions currentOutputsPageCaptions(int language, bool regulator)
{
    const int l = language;
    CurrentOutputsPageCaptions c;
    c.range = kRangeTitle.in(l);
    c.rangeItems = {"0-1 mA", "0-5 mA", "0-10 mA", "0-20 mA", "4-20 mA"};
    c.fixedRangePanel = kFixedRangeText.in(l);
    c.fullScaleLabel = (regulator ? kVoltageFullScale : kFullScale).in(l);
    c.currentFullScaleLabel = kCurrentFullScale.in(l);
    for (std::size_t k = 0; k < c.outputChannelLabels.size(); ++k)
        c.outputChannelLabels[k] = kOutputChannel.in(l) + std::to_string(k + 1);
    return c;
}
