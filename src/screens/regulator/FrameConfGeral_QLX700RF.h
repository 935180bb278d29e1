#pragma once

#include "screens/common/GeneralFrameF.h"
#include "screens/regulator/FrameConfGeralRCaptions.h"
#include "screens/regulator/FrameConfGeralRState.h"
#include "screens/thermal/FormTesteValoresF.h"

#include <functional>
#include <optional>
#include <string>

// The QLX700-R general page: on the shared general frame, the regulator's
// measurements and tap position, its relays, the indication mode and the device
// language, the tap commands and the reset of the extremes and operation count.
class TFrameConfGeral_QLX700R final : public TGeneralFrame {
public:
    static constexpr int kRelayCount = 10;

    // `currentOutputs` tells the main window how many current outputs the connected
    // regulator has calibrated (it shows or hides their icon).
    TFrameConfGeral_QLX700R(GeneralFrameContext context, std::function<void(int)> currentOutputs);

    void EnviarAjustes();

    // --- handlers
    void rgVisualizacaoClick(int index);
    void rgIdiomaClick(int index);
    void bbPosicaoUpClick();
    void bbPosicaoDownClick();
    void bbResetMaxMinComClick();

    // --- state for the view
    const FrameConfGeralRState& state() const { return state_; }
    const FrameConfGeralRCaptions& captions() const { return captions_; }
    // The value test form; the calibration page shows it.
    TFormTesteValores& testeValores() { return testeValores_; }

private:
    void drawModel(bool connected) override;
    void languageChanged() override;
    void connectEnded(bool ok) override;
    void settingClick(int FrameConfGeralRState::*group, int index);
    void positionCommand(int code);
    std::string cell(const char* format, const std::optional<double>& value) const;

    std::function<void(int)> currentOutputs_;
    TFormTesteValores testeValores_;
    FrameConfGeralRState state_;
    FrameConfGeralRCaptions captions_;
};
