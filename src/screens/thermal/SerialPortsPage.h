#pragma once

#include "app/Page.h"
#include "screens/thermal/SerialPortsPageCaptions.h"
#include "screens/thermal/SerialPortsPageState.h"

#include <string>

class Ui;

// The device's own serial ports: for each port its protocol (Modbus or DNP3) and the
// parameters of both. A QLX700-P has one port, the other models three. While the tool
// is connected through the serial-port button the page only shows them: changing the
// port the tool talks through would cut the tool off.
class SerialPortsPage final : public Page {
public:
    static constexpr int kNoFocus = -1;

    explicit SerialPortsPage(Ui& ui);

    void activate(DeviceLink& comm, int language) override;
    void setLanguage(int language) override;
    void redraw();
    void sendSettings();

    // --- handlers
    void portChosen(int index);
    // Shared by the seven radio groups.
    void serialSettingChosen(SerialRadio group, int index);
    void setEdit(SerialEdit edit, const std::string& text) { state_.edits.at(static_cast<std::size_t>(edit)) = text; }
    // Leaving any edit, or Enter in it.
    void editLeft() { sendSettings(); }
    // The view reports which edit holds the keyboard focus; a redraw keeps its text.
    void setFocusedEdit(int edit) { focusedEdit_ = edit; }
    // Numbers are shown with the system's decimal separator.
    void setDecimalSeparator(char separator) { decimalSeparator_ = separator; }

    // --- state for the view
    const SerialPortsPageState& state() const { return state_; }
    const SerialPortsPageCaptions& captions() const { return captions_; }

private:
    bool connected() const;
    bool singlePort() const;
    int port() const { return singlePort() ? 0 : state_.selectedPort; }
    std::string shown(SerialEdit edit, int value) const;

    Ui& ui_;
    DeviceLink* comm_ = nullptr;
    int language_ = 0;
    // Set while a handler talks to the device: an action that arrives during its
    // waits is refused instead of interleaving with it.
    bool busy_ = false;
    bool updating_ = false;
    int focusedEdit_ = kNoFocus;
    char decimalSeparator_ = '.';
    SerialPortsPageState state_;
    SerialPortsPageCaptions captions_;
};
