#pragma once

#include "screens/common/GeneralFrameF.h"
#include "screens/parallelism/FrameConfGeral_QLX700PCaptions.h"
#include "screens/parallelism/FrameConfGeral_QLX700PState.h"

// The QLX700-P general page: on the shared general frame, the unit's position,
// expected position and mode, its five error groups, the ten relays (7..9 named by
// their function), the device's language and the position up and down commands.
class TFrameConfGeral_QLX700P final : public TGeneralFrame {
public:
    explicit TFrameConfGeral_QLX700P(GeneralFrameContext context);

    void rgIdiomaClick(int index) { sendDeviceLanguage(index); }
    void bbPosicaoUpClick() { positionCommand(kCommandUp); }
    void bbPosicaoDownClick() { positionCommand(kCommandDown); }

    const FrameConfGeral_QLX700PState& state() const { return state_; }
    const FrameConfGeral_QLX700PCaptions& captions() const { return captions_; }

private:
    static constexpr int kCommandUp = 1000;
    static constexpr int kCommandDown = 1003;

    void drawModel(bool connected) override;
    void languageChanged() override;
    void positionCommand(int code);

    FrameConfGeral_QLX700PState state_;
    FrameConfGeral_QLX700PCaptions captions_;
};
