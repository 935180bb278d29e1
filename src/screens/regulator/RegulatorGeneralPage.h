#pragma once

#include "screens/common/GeneralPage.h"
#include "screens/regulator/RegulatorGeneralPageCaptions.h"
#include "screens/regulator/RegulatorGeneralPageState.h"
#include "screens/thermal/ValueTestWindow.h"

#include <functional>
#include <optional>
#include <string>

// The QLX700-R general page: besides what every general page has, the regulator's
// measurements and tap position, its relays, the indication mode and the device
// language, the tap commands and the reset of the extremes and operation count.
class RegulatorGeneralPage final : public GeneralPage {
public:
    static constexpr int kRelayCount = 10;

    // `currentOutputs` tells the main window how many current outputs the connected
    // regulator has calibrated (it shows or hides their icon).
    RegulatorGeneralPage(GeneralPageContext context, std::function<void(int)> currentOutputs);

    void sendSettings();

    // --- handlers
    void indicationModeChosen(int index);
    void deviceLanguageChosen(int index) { sendDeviceLanguage(index); }
    void positionUpClicked();
    void positionDownClicked();
    void resetMaxMinCountClicked();

    // --- state for the view
    const RegulatorGeneralPageState& state() const { return state_; }
    const RegulatorGeneralPageCaptions& captions() const { return captions_; }
    // The value test window; the calibration page shows it.
    ValueTestWindow& valueTestWindow() { return valueTestWindow_; }

private:
    void drawModel(bool connected) override;
    void languageChanged() override;
    void connectEnded(bool ok) override;
    void positionCommand(int code);
    std::string cell(const char* format, const std::optional<double>& value) const;

    std::function<void(int)> currentOutputs_;
    ValueTestWindow valueTestWindow_;
    RegulatorGeneralPageState state_;
    RegulatorGeneralPageCaptions captions_;
};
