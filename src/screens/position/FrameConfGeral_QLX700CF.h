#pragma once

#include "screens/common/GeneralFrameF.h"
#include "screens/position/FrameConfGeral_QLX700CCaptions.h"
#include "screens/position/FrameConfGeral_QLX700CState.h"

#include <functional>

// The QLX700-C general page: on the shared general frame, the measured resistance and
// current, the position and its indication, the failure, the ten relays and the
// device's language.
class TFrameConfGeral_QLX700C final : public TGeneralFrame {
public:
    // `showOutputEntry` makes the main window's current-output entry visible once a
    // device is connected.
    TFrameConfGeral_QLX700C(GeneralFrameContext context, std::function<void()> showOutputEntry);

    void rgIdiomaClick(int index) { sendDeviceLanguage(index); }

    const FrameConfGeral_QLX700CState& state() const { return state_; }
    const FrameConfGeral_QLX700CCaptions& captions() const { return captions_; }

private:
    void drawModel(bool connected) override;
    void languageChanged() override;
    void connectEnded(bool ok) override;

    std::function<void()> showOutputEntry_;
    FrameConfGeral_QLX700CState state_;
    FrameConfGeral_QLX700CCaptions captions_;
};
