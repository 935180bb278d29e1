#pragma once

#include "screens/common/GeneralPage.h"
#include "screens/thermal/ThermalGeneralPageCaptions.h"
#include "screens/thermal/ThermalGeneralPageState.h"
#include "screens/thermal/ValueTestWindow.h"

#include <string>


// The QLX700-T general page: beside what every general page has, the live measurements,
// the three device settings, the relays and their names, and the membrane-fault test.
class ThermalGeneralPage final : public GeneralPage {
public:
    static constexpr int kRelayCount = 10;
    // No edit has the keyboard focus.
    static constexpr int kNoFocus = -1;

    explicit ThermalGeneralPage(GeneralPageContext context);

    void sendSettings();

    // --- handlers
    void displayModeChosen(int index);
    void operatingFrequencyChosen(int index);
    void deviceLanguageChosen(int index) { sendDeviceLanguage(index); }
    void setRelayName(int relay, const std::string& text)
    {
        state_.relayNames.at(static_cast<std::size_t>(relay)) = text;
    }
    // The view reports which name edit holds the keyboard focus; a redraw keeps its text.
    void setFocusedEdit(int relay) { focusedEdit_ = relay; }
    void relayNameLeft();
    // "Teste Falha Membrana": the fault detection window has the link to itself while open.
    void membraneTestClicked();

    // --- state for the view
    const ThermalGeneralPageState& state() const { return state_; }
    const ThermalGeneralPageCaptions& captions() const { return captions_; }
    // The value test window; the calibration page shows it.
    ValueTestWindow& valueTestWindow() { return valueTestWindow_; }

private:
    void drawModel(bool connected) override;
    void languageChanged() override;
    void connectEnded(bool ok) override;
    void settingChosen(int ThermalGeneralPageState::*group, int index);
    std::string cell(const char* format, const std::optional<double>& value) const;

    ValueTestWindow valueTestWindow_;
    int focusedEdit_ = kNoFocus;
    ThermalGeneralPageState state_;
    ThermalGeneralPageCaptions captions_;
};
