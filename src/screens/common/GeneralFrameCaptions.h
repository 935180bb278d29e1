#pragma once

#include <array>
#include <string>

// The captions every general frame shares, in one language.
struct GeneralFrameCaptions {
    std::string bbConectar; // by the link state
    std::string bbConectarUsb, bbConectarIP;
    std::string bbAjustarRelogioComputador, bbAjustarRelogioManual;
    std::string bbAlterarSenha, bbAlterarIP;
    std::string bbSalvarConf, bbCarregarConf;
};

// `usbToggles`: the frame has no serial button and its USB button disconnects while
// connected (the QLX700-IRR).
GeneralFrameCaptions generalFrameCaptions(int language, bool connected, bool usbToggles);

// The device language group ("Idioma do Equipamento") of the general frames.
std::string deviceLanguageTitle(int language);
std::array<std::string, 3> deviceLanguageItems(int language);
