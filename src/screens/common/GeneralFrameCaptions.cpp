#include "screens/common/GeneralFrameCaptions.h"

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
constexpr LangText kIdioma{"Idioma do Equipamento", "Device Language", "Idioma del Dispositivo"};
constexpr LangText kPortugues{"Português (BR)", "Portuguese (BR)", "Portugués (BR)"};
constexpr LangText kIngles{"Inglês", "English", "Inglés"};
constexpr LangText kEspanhol{"Espanhol", "Spanish", "Español"};
} // namespace

GeneralFrameCaptions generalFrameCaptions(int language, bool connected, bool usbToggles)
{
    const int l = language;
    GeneralFrameCaptions c;
    c.bbConectar = (connected ? kDesconectar : kConectar).in(l);
    c.bbConectarUsb = (usbToggles && connected ? kDesconectar : kConectarUsb).in(l);
    c.bbConectarIP = kConectarIP.in(l);
    c.bbAjustarRelogioComputador = kRelogioPc.in(l);
    c.bbAjustarRelogioManual = kRelogioManual.in(l);
    c.bbAlterarSenha = kAlterarSenha.in(l);
    c.bbAlterarIP = kAlterarIP.in(l);
    c.bbSalvarConf = kSalvar.in(l);
    c.bbCarregarConf = kCarregar.in(l);
    return c;
}

std::string deviceLanguageTitle(int language)
{
    return kIdioma.in(language);
}

std::array<std::string, 3> deviceLanguageItems(int language)
{
    return {kPortugues.in(language), kIngles.in(language), kEspanhol.in(language)};
}
