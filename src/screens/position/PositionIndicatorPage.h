#pragma once

#include "app/Page.h"
#include "screens/position/PositionIndicatorPageCaptions.h"
#include "screens/position/PositionIndicatorPageState.h"

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
    void setEdit(PositionEdit edit, const std::string& text) { state_.edits.at(static_cast<std::size_t>(edit)) = text; }
    void resistancePerPositionLeft() { sendSettings(); }
    void readingModeChosen(int index);
    // Numbers are shown with the system's decimal separator.
    void setDecimalSeparator(char separator) { decimalSeparator_ = separator; }

    // --- state for the view
    const PositionIndicatorPageState& state() const { return state_; }
    const PositionIndicatorPageCaptions& captions() const { return captions_; }

private:
    bool connected() const;

    Ui& ui_;
    EventPump& pump_;
    DeviceLink* comm_ = nullptr;
    int language_ = 0;
    bool updating_ = false;
    bool busy_ = false;
    char decimalSeparator_ = '.';
    PositionIndicatorPageState state_;
    PositionIndicatorPageCaptions captions_;
};
