#pragma once

#include "screens/common/GeneralPage.h"
#include "screens/parallelism/ParallelismGeneralPageCaptions.h"
#include "screens/parallelism/ParallelismGeneralPageState.h"

// The QLX700-P general page: besides what every general page has, the unit's
// position, expected position and mode, its five error groups, the ten relays (7..9
// named by their function), the device's language and the position up and down
// commands.
class ParallelismGeneralPage final : public GeneralPage {
public:
    explicit ParallelismGeneralPage(GeneralPageContext context);

    void deviceLanguageChosen(int index) { sendDeviceLanguage(index); }
    void positionUpClicked() { positionCommand(kCommandUp); }
    void positionDownClicked() { positionCommand(kCommandDown); }

    const ParallelismGeneralPageState& state() const { return state_; }
    const ParallelismGeneralPageCaptions& captions() const { return captions_; }

private:
    static constexpr int kCommandUp = 1000;
    static constexpr int kCommandDown = 1003;

    void drawModel(bool connected) override;
    void languageChanged() override;
    void positionCommand(int code);

    ParallelismGeneralPageState state_;
    ParallelismGeneralPageCaptions captions_;
};
