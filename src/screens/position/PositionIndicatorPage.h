#pragma once

#include "app/Page.h"
#include "screens/common/RegisterControls.h"

#include <string>

class EventPump;
class Ui;

// How the QLX700-C reads the tap changer's position: the resistance per position,
// the number of positions, the lowest and highest positions and whether it reads a
// resistance or a current. Leaving the resistance (or Enter in it) and a click on the
// reading mode send every field; the other edits go out with the next send.
class PositionIndicatorPage final : public Page {
public:
    PositionIndicatorPage(Ui& ui, EventPump& pump);

    void activate(DeviceLink& comm, int language) override;
    void setLanguage(int language) override;
    void redraw();
    void sendSettings();

    // --- handlers
    void setText(std::size_t control, const std::string& text) { controls_.setText(control, text); }
    // Leaving the resistance, or Enter in it.
    void editLeft() { sendSettings(); }
    void optionChosen(std::size_t control, int index);
    // Numbers are shown with the system's decimal separator.
    void setDecimalSeparator(char separator) { decimalSeparator_ = separator; }

    // --- state for the view
    const RegisterControls& controls() const { return controls_; }
    int language() const { return language_; }
    const std::string& tapChangerTitle() const { return tapChangerTitle_; }

private:
    bool connected() const;

    Ui& ui_;
    EventPump& pump_;
    DeviceLink* comm_ = nullptr;
    RegisterControls controls_;
    std::string tapChangerTitle_;
    int language_ = 0;
    bool updating_ = false;
    bool busy_ = false;
    char decimalSeparator_ = '.';
};
