#pragma once

#include "app/Page.h"
#include "screens/common/RegisterControls.h"

#include <string>

class EventPump;
class Ui;

// The regulator's eight regulation sets, one shown at a time: nominal voltage,
// maximum deviation, command and timing types, times and the daily window. Every
// change is written when the user leaves an edit, presses Enter or clicks a radio
// group. Showing the page reads the first set only; the others come from the image
// until they are chosen in the list.
class RegulatorSetsPage final : public Page {
public:
    static constexpr int kSetCount = 8;
    static constexpr int kSetStride = 20;

    RegulatorSetsPage(Ui& ui, EventPump& pump);

    void activate(DeviceLink& comm, int language) override;
    void setLanguage(int language) override;
    void redraw();
    void sendSettings();

    // --- handlers
    void regulationSetChosen(int set);
    void setText(std::size_t control, const std::string& text) { controls_.setText(control, text); }
    void editLeft() { sendSettings(); }
    void optionChosen(std::size_t control, int index);
    void setDecimalSeparator(char separator) { decimalSeparator_ = separator; }

    // --- state for the view
    const RegisterControls& controls() const { return controls_; }
    // -1 while no set is selected.
    int selectedSet() const { return set_; }
    int language() const { return language_; }
    const std::string& regulationSetTitle() const { return regulationSetTitle_; }

private:
    bool connected() const;
    int base() const { return kSetStride * (set_ > kSetCount - 1 ? 0 : set_); }

    Ui& ui_;
    EventPump& pump_;
    DeviceLink* comm_ = nullptr;
    RegisterControls controls_;
    std::string regulationSetTitle_;
    int set_ = -1;
    int language_ = 0;
    bool updating_ = false;
    char decimalSeparator_ = '.';
};
