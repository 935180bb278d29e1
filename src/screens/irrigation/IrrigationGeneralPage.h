#pragma once

#include "screens/common/GeneralPage.h"
#include "screens/irrigation/IrrigationGeneralPageCaptions.h"
#include "screens/irrigation/IrrigationGeneralPageState.h"

#include <string>

// The QLX700-IRR general page: besides what every general page has, the counters,
// pressure, inputs, temperature and state of the irrigation controller, its ten
// outputs, the names of its five branches, the device language and the controller's
// four commands.
// It has no serial button: the USB button connects and disconnects.
class IrrigationGeneralPage final : public GeneralPage {
public:
    static constexpr int kNoFocus = -1;
    enum class Command : int { ResetHydrometer = 1100, ResetPluviometer = 1101, UnblockSystem = 1120, Emergency = 1140 };

    explicit IrrigationGeneralPage(GeneralPageContext context);

    void sendSettings();

    // --- handlers
    void deviceLanguageChosen(int index);
    // Branch 0..4, the name edits under lamps 2..6.
    void setBranchName(int branch, const std::string& text)
    {
        state_.branchNames.at(static_cast<std::size_t>(branch)) = text;
    }
    // The view reports which name edit holds the keyboard focus; a redraw keeps its text.
    void setFocusedEdit(int branch) { focusedEdit_ = branch; }
    // Leaving a name edit, or Enter in it.
    void branchNameLeft();
    void commandClicked(Command command);
    // Opens the manual operation window; the refresh stays off while it is open, so the
    // window has the link to itself.
    void manualOperationClicked();

    // --- state for the view
    const IrrigationGeneralPageState& state() const { return state_; }
    const IrrigationGeneralPageCaptions& captions() const { return captions_; }

private:
    void drawModel(bool connected) override;
    void languageChanged() override;
    std::string systemState(const std::optional<int>& alarms, const std::optional<bool>& noValveOn) const;

    int focusedEdit_ = kNoFocus;
    IrrigationGeneralPageState state_;
    IrrigationGeneralPageCaptions captions_;
};
