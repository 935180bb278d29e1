#pragma once

#include <array>
#include <string>

// The captions every general page shares, in one language.
struct GeneralPageCaptions {
    std::string connectSerialButton; // by the link state
    std::string connectUsbButton, connectIpButton;
    std::string adjustClockFromPcButton, adjustClockManuallyButton;
    std::string changePasswordButton, changeIpButton;
    std::string saveConfigurationButton, loadConfigurationButton;
};

// `usbToggles`: the page has no serial button and its USB button disconnects while
// connected (the QLX700-IRR).
GeneralPageCaptions generalPageCaptions(int language, bool connected, bool usbToggles);

// The device language group ("Idioma do Equipamento") of the general pages.
std::string deviceLanguageTitle(int language);
std::array<std::string, 3> deviceLanguageItems(int language);
