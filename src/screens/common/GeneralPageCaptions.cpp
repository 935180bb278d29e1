#include "screens/common/GeneralPageCaptions.h"

#include "app/LanguageText.h"

namespace {
constexpr LangText kConnectSerial{"Conectar Serial", "Connect Serial", "Conectar Serial"};
constexpr LangText kDisconnect{"Desconectar", "Disconnect", "Desconectar"};
constexpr LangText kConnectUsb{"Conectar USB", "Connect USB", "Conectar USB"};
constexpr LangText kConnectIp{"Conectar IP", "Connect IP", "Conectar IP"};
constexpr LangText kAdjustFromPcClock{"Ajustar com relógio do PC", "Adjust with PC clock",
                                      "Ajustar con el reloj del PC"};
constexpr LangText kAdjustManually{"Ajustar manualmente", "Adjust Manually", "Ajustar el reloj a mano"};
constexpr LangText kChangePassword{"Alterar Senha", "Change Password", "Cambiar Clave"};
constexpr LangText kChangeIp{"Alterar IP", "Change IP", "Cambiar IP"};
constexpr LangText kSaveConfiguration{"Salvar Conf.", "Save Conf.", "Guardar Conf."};
constexpr LangText kLoadConfiguration{"Carregar Conf.", "Load Conf.", "Cargar Conf."};
constexpr LangText kDeviceLanguage{"Idioma do Equipamento", "Device Language", "Idioma del Dispositivo"};
constexpr LangText kPortuguese{"Português (BR)", "Portuguese (BR)", "Portugués (BR)"};
constexpr LangText kEnglish{"Inglês", "English", "Inglés"};
constexpr LangText kSpanish{"Espanhol", "Spanish", "Español"};
} // namespace

GeneralPageCaptions generalPageCaptions(int language, bool connected, bool usbToggles)
{
    const int l = language;
    GeneralPageCaptions c;
    c.connectSerialButton = (connected ? kDisconnect : kConnectSerial).in(l);
    c.connectUsbButton = (usbToggles && connected ? kDisconnect : kConnectUsb).in(l);
    c.connectIpButton = kConnectIp.in(l);
    c.adjustClockFromPcButton = kAdjustFromPcClock.in(l);
    c.adjustClockManuallyButton = kAdjustManually.in(l);
    c.changePasswordButton = kChangePassword.in(l);
    c.changeIpButton = kChangeIp.in(l);
    c.saveConfigurationButton = kSaveConfiguration.in(l);
    c.loadConfigurationButton = kLoadConfiguration.in(l);
    return c;
}

std::string deviceLanguageTitle(int language)
{
    return kDeviceLanguage.in(language);
}

std::array<std::string, 3> deviceLanguageItems(int language)
{
    return {kPortuguese.in(language), kEnglish.in(language), kSpanish.in(language)};
}
