#pragma once

#include "app/Page.h"
#include "screens/common/RegisterControls.h"

#include <string>

class EventPump;
class Ui;

// The QLX700-P unit's parallelism settings: its address on the bus, bus size,
// positions, resistance per position, the two error times, how the position is read
// and the functions of relays 7..9. Per-unit registers are addressed through the
// unit index 1951, which a new address changes.
class ParallelismPage final : public Page {
public:
    ParallelismPage(Ui& ui, EventPump& pump);

    void activate(DeviceLink& comm, int language) override;
    void setLanguage(int language) override;
    void redraw();
    void sendSettings();

    // --- handlers
    void setText(std::size_t control, const std::string& text) { controls_.setText(control, text); }
    // Leaving any of the six edits, or Enter in it.
    void editLeft() { sendSettings(); }
    void optionChosen(std::size_t control, int index);
    // Numbers are shown with the system's decimal separator.
    void setDecimalSeparator(char separator) { decimalSeparator_ = separator; }

    // --- state for the view
    const RegisterControls& controls() const { return controls_; }
    int language() const { return language_; }

private:
    bool connected() const;
    bool readUnit();

    Ui& ui_;
    EventPump& pump_;
    DeviceLink* comm_ = nullptr;
    RegisterControls controls_;
    int language_ = 0;
    bool updating_ = false;
    bool busy_ = false;
    char decimalSeparator_ = '.';
};
