#pragma once

#include "app/Page.h"
#include "screens/irrigation/IrrigationSettingsPageCaptions.h"
#include "screens/irrigation/IrrigationSettingsPageState.h"

#include <optional>
#include <string>

class EventPump;
class Ui;
struct IrrControl;

// The irrigation settings of a QLX700-IRR: the five cycles (start, duration, branches),
// the consumption limit, the pump's pressure supervision, the sensors, the operation
// mode and the manual duration. Leaving an edit, Enter, and a click on a box or radio
// group send the whole page; it is then refilled from what the device holds.
class IrrigationSettingsPage final : public Page {
public:
    static constexpr int kCycles = 5;

    IrrigationSettingsPage(Ui& ui, EventPump& pump);

    void activate(DeviceLink& comm, int language) override;
    void setLanguage(int language) override;
    void redraw();
    void sendSettings();

    // --- handlers
    // The item chosen in the cycle combo; -1 when none is selected.
    void cycleChosen(int index);
    void setEdit(IrrEdit edit, const std::string& text) { state_.edits.at(static_cast<std::size_t>(edit)) = text; }
    // Leaving any edit, or Enter in it.
    void editLeft() { sendSettings(); }
    void checkToggled(IrrCheck box, bool checked);
    void radioChosen(IrrRadio group, int index);
    // Numbers are shown with the system's decimal separator.
    void setDecimalSeparator(char separator) { decimalSeparator_ = separator; }

    // --- state for the view
    int cycle() const { return cycle_; }
    const IrrigationSettingsPageState& state() const { return state_; }
    const IrrigationSettingsPageCaptions& captions() const { return captions_; }

private:
    bool connected() const;
    // Clicks count while the page sends, not while it is filled or opened.
    bool accepting() const { return !updating_ && (!busy_ || sending_) && connected(); }
    // The value a control sends to its register; empty when it sends nothing, after
    // telling the user about an invalid entry.
    std::optional<int> sentValue(const IrrControl& control, int reg);
    const std::string& text(IrrEdit edit) const { return state_.edits[static_cast<std::size_t>(edit)]; }

    Ui& ui_;
    EventPump& pump_;
    DeviceLink* comm_ = nullptr;
    int language_ = 0;
    int cycle_ = 0;
    bool updating_ = false;
    bool busy_ = false;
    bool sending_ = false;
    bool sendAgain_ = false;
    char decimalSeparator_ = '.';
    IrrigationSettingsPageState state_;
    IrrigationSettingsPageCaptions captions_;
};
