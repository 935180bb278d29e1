#include "screens/thermal/FrameConfGeralCaptions.h"

#include "app/LanguageText.h"
#include "screens/common/GeneralFrameCaptions.h"

namespace {
constexpr LangText kIndicacao{"Indicação", "Indication", "Indicación"};
constexpr LangText kTemperatura{"Temperatura", "Temperature", "Temperatura"};
constexpr LangText kGrandeza{"Grandeza", "Physical Quandity", "Grandeza"};
constexpr LangText kPorcentagem{"Porcentagem", "Percentage", "Porcentaje"};
constexpr LangText kFrequencia{"Frequência de Operação", "Operation Frequency", "Frecuencia de Operación"};
constexpr LangText kEnr{"Enr.", "Wind.", "Devan."};
constexpr LangText kCorrenteA{"Corrente (A)", "Current (A)", "Corriente (A)"};
constexpr LangText kCorrentePct{"Corrente (%)", "Current (%)", "Corriente (%)"};
} // namespace

FrameConfGeralCaptions frameConfGeralCaptions(int language)
{
    const int l = language;
    FrameConfGeralCaptions c;
    c.BitBtn1 = "Teste Falha Membrana";
    c.rgVisualizacao = kIndicacao.in(l);
    c.rgVisualizacaoItems = {kTemperatura.in(l), kGrandeza.in(l), kPorcentagem.in(l)};
    c.rgFreqOperacao = kFrequencia.in(l);
    c.rgFreqOperacaoItems = {"60 Hz", "50 Hz"};
    c.rgIdioma = deviceLanguageTitle(l);
    c.rgIdiomaItems = deviceLanguageItems(l);
    c.sgMedidasHeader = {"RTD", "Temp. (ºC)", "Resist. (ohms)"};
    c.sgMedidasEnrolamentoHeader = {kEnr.in(l), "Temp. (ºC)", kCorrenteA.in(l), kCorrentePct.in(l)};
    return c;
}
