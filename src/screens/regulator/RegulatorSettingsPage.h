#pragma once

#include "app/Page.h"
#include "screens/common/RegisterControls.h"

#include <array>
#include <string>

class EventPump;
class Ui;

// The regulator's fixed settings: line-drop compensation, instrument transformers,
// blocking limits and tap changer. Every change is validated and written when the
// user leaves an edit, presses Enter or clicks a radio group; the page then shows
// what the device holds.
class RegulatorSettingsPage final : public Page {
public:
    RegulatorSettingsPage(Ui& ui, EventPump& pump);

    void activate(DeviceLink& comm, int language) override;
    void setLanguage(int language) override;
    void redraw();
    void sendSettings();

    // --- handlers
    void setText(std::size_t control, const std::string& text) { controls_.setText(control, text); }
    // Leaving an edit, or Enter in it.
    void editLeft() { sendSettings(); }
    void optionChosen(std::size_t control, int index);
    void setDecimalSeparator(char separator) { decimalSeparator_ = separator; }

    // --- state for the view
    const RegisterControls& controls() const { return controls_; }
    int language() const { return language_; }
    // lineDropCompensationBox, instrumentTransformerBox, blockingBox, tapChangerBox.
    const std::array<std::string, 4>& groupCaptions() const { return groups_; }

private:
    bool connected() const;

    Ui& ui_;
    EventPump& pump_;
    DeviceLink* comm_ = nullptr;
    RegisterControls controls_;
    std::array<std::string, 4> groups_{};
    int language_ = 0;
    bool updating_ = false;
    char decimalSeparator_ = '.';
};
