#include "screens/thermal/FrameConfGeralCaptions.h"

#include "app/LanguageText.h"

namespace {
constexpr LangText kConectar{"Conectar Serial", "Connect Serial", "Conectar Serial"};
constexpr LangText kDesconectar{"Desconectar", "Disconnect", "Desconectar"};
constexpr LangText kConectarUsb{"Conectar USB", "Connect USB", "Conectar USB"};
constexpr LangText kConectarIP{"Conectar IP", "Connect IP", "Conectar IP"};
constexpr LangText kRelogioPc{"Ajustar com relógio do PC", "Adjust with PC clock", "Ajustar con el reloj del PC"};
constexpr LangText kRelogioManual{"Ajustar manualmente", "Adjust Manually", "Ajustar el reloj a mano"};
constexpr LangText kAlterarSenha{"Alterar Senha", "Change Password", "Cambiar Clave"};
constexpr LangText kAlterarIP{"Alterar IP", "Change IP", "Cambiar IP"};
constexpr LangText kSalvar{"Salvar Conf.", "Save Conf.", "Guardar Conf."};
constexpr LangText kCarregar{"Carregar Conf.", "Load Conf.", "Cargar Conf."};
constexpr LangText kIndicacao{"Indicação", "Indication", "Indicación"};
constexpr LangText kTemperatura{"Temperatura", "Temperature", "Temperatura"};
constexpr LangText kGrandeza{"Grandeza", "Physical Quandity", "Grandeza"};
constexpr LangText kPorcentagem{"Porcentagem", "Percentage", "Porcentaje"};
constexpr LangText kFrequencia{"Frequência de Operação", "Operation Frequency", "Frecuencia de Operación"};
constexpr LangText kIdioma{"Idioma do Equipamento", "Device Language", "Idioma del Dispositivo"};
constexpr LangText kPortugues{"Português (BR)", "Portuguese (BR)", "Portugués (BR)"};
constexpr LangText kIngles{"Inglês", "English", "Inglés"};
constexpr LangText kEspanhol{"Espanhol", "Spanish", "Español"};
constexpr LangText kEnr{"Enr.", "Wind.", "Devan."};
constexpr LangText kCorrenteA{"Corrente (A)", "Current (A)", "Corriente (A)"};
constexpr LangText kCorrentePct{"Corrente (%)", "Current (%)", "Corriente (%)"};
} // namespace

FrameConfGeralCaptions frameConfGeralCaptions(int language, bool connected)
{
    const int l = language;
    FrameConfGeralCaptions c;
    c.bbConectar = (connected ? kDesconectar : kConectar).in(l);
    c.bbConectarUsb = kConectarUsb.in(l);
    c.bbConectarIP = kConectarIP.in(l);
    c.bbAjustarRelogioComputador = kRelogioPc.in(l);
    c.bbAjustarRelogioManual = kRelogioManual.in(l);
    c.bbAlterarSenha = kAlterarSenha.in(l);
    c.bbAlterarIP = kAlterarIP.in(l);
    c.BitBtn1 = "Teste Falha Membrana";
    c.bbSalvarConf = kSalvar.in(l);
    c.bbCarregarConf = kCarregar.in(l);
    c.rgVisualizacao = kIndicacao.in(l);
    c.rgVisualizacaoItems = {kTemperatura.in(l), kGrandeza.in(l), kPorcentagem.in(l)};
    c.rgFreqOperacao = kFrequencia.in(l);
    c.rgFreqOperacaoItems = {"60 Hz", "50 Hz"};
    c.rgIdioma = kIdioma.in(l);
    c.rgIdiomaItems = {kPortugues.in(l), kIngles.in(l), kEspanhol.in(l)};
    c.sgMedidasHeader = {"RTD", "Temp. (ºC)", "Resist. (ohms)"};
    c.sgMedidasEnrolamentoHeader = {kEnr.in(l), "Temp. (ºC)", kCorrenteA.in(l), kCorrentePct.in(l)};
    return c;
}
