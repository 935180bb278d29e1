#pragma once

#include "screens/common/GeneralPage.h"
#include "screens/position/PositionGeneralPageCaptions.h"
#include "screens/position/PositionGeneralPageState.h"

#include <functional>

// The QLX700-C general page: besides what every general page has, the measured
// resistance and current, the position and its indication, the failure, the ten relays
// and the device's language.
class PositionGeneralPage final : public GeneralPage {
public:
    // `showOutputEntry` makes the main window's current-output entry visible once a
    // device is connected.
    PositionGeneralPage(GeneralPageContext context, std::function<void()> showOutputEntry);

    void deviceLanguageChosen(int index) { sendDeviceLanguage(index); }

    const PositionGeneralPageState& state() const { return state_; }
    const PositionGeneralPageCaptions& captions() const { return captions_; }

private:
    void drawModel(bool connected) override;
    void languageChanged() override;
    void connectEnded(bool ok) override;

    std::function<void()> showOutputEntry_;
    PositionGeneralPageState state_;
    PositionGeneralPageCaptions captions_;
};
