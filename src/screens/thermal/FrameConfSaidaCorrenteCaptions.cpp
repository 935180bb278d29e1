#include "screens/thermal/FrameConfSaidaCorrenteCaptions.h"

#include "app/LanguageText.h"

namespace {
constexpr LangText kEscala{"Escala", "Scale", "Escala"};
constexpr LangText kEscala0_1ma{"Escala: 0 - 1 mA", "Scale: 0 - 1 mA", "Escala: 0 - 1 mA"};
constexpr LangText kFundoEscala{"Fundo de Escala", "Full Scale", "Fondo de Escala"};
constexpr LangText kFundoEscalaTensao{"Fundo de Escala Tensão", "Voltage Full Scale", "Fondo de Escala Tensión"};
constexpr LangText kFundoEscalaCorrente{"Fundo de Escala Corrente", "Current Full Scale", "Fondo de Escala Corriente"};
constexpr LangText kSaidaAssociada{"Canal Associado à Saída ", "Channel Associated to Output ",
                                   "Canal Asociado a la Salida "};
} // namespace

FrameConfSaidaCorrenteCaptions frameConfSaidaCorrenteCaptions(int language, bool regulator)
{
    const int l = language;
    FrameConfSaidaCorrenteCaptions c;
    c.rgEscala = kEscala.in(l);
    c.rgEscalaItems = {"0-1 mA", "0-5 mA", "0-10 mA", "0-20 mA", "4-20 mA"};
    c.pnEscala0_1ma = kEscala0_1ma.in(l);
    c.lblFundoEscala = (regulator ? kFundoEscalaTensao : kFundoEscala).in(l);
    c.lblFundoEscalaCorrente = kFundoEscalaCorrente.in(l);
    for (std::size_t k = 0; k < c.lblSaidaAssociada.size(); ++k)
        c.lblSaidaAssociada[k] = kSaidaAssociada.in(l) + std::to_string(k + 1);
    return c;
}
