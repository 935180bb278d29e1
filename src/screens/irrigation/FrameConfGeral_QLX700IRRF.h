#pragma once

#include "screens/common/GeneralFrameF.h"
#include "screens/irrigation/FrameConfGeral_QLX700IRRCaptions.h"
#include "screens/irrigation/FrameConfGeral_QLX700IRRState.h"

#include <string>

// The QLX700-IRR general page: on the shared general frame, the counters, pressure,
// inputs, temperature and state of the irrigation controller, its ten outputs, the
// names of its five branches, the device language and the controller's four commands.
// It has no serial button: the USB button connects and disconnects.
class TFrameConfGeral_QLX700IRR final : public TGeneralFrame {
public:
    static constexpr int kNoFocus = -1;
    enum class Command : int { ResetHydrometer = 1100, ResetPluviometer = 1101, UnblockSystem = 1120, Emergency = 1140 };

    explicit TFrameConfGeral_QLX700IRR(GeneralFrameContext context);

    void EnviarAjustes();

    // --- handlers
    void rgIdiomaClick(int index);
    // Branch 0..4 (`edRele2`..`edRele6`).
    void setEdRele(int branch, const std::string& text) { state_.edRele.at(static_cast<std::size_t>(branch)) = text; }
    // The view reports which name edit holds the keyboard focus; a redraw keeps its text.
    void setFocusedEdit(int branch) { focusedEdit_ = branch; }
    // Leaving a name edit, or Enter in it.
    void edRele2Exit();
    void commandClick(Command command);
    // Opens the manual operation form; the refresh stays off while it is open, so the
    // form has the link to itself.
    void bbManualClick();

    // --- state for the view
    const FrameConfGeral_QLX700IRRState& state() const { return state_; }
    const FrameConfGeral_QLX700IRRCaptions& captions() const { return captions_; }

private:
    void drawModel(bool connected) override;
    void languageChanged() override;
    std::string systemState(const std::optional<int>& alarms, const std::optional<bool>& noValveOn) const;

    int focusedEdit_ = kNoFocus;
    FrameConfGeral_QLX700IRRState state_;
    FrameConfGeral_QLX700IRRCaptions captions_;
};
