#pragma once

#include "app/TFrame.h"
#include "screens/thermal/FrameConfSerialCaptions.h"
#include "screens/thermal/FrameConfSerialState.h"

#include <string>

class Ui;

// The device's own serial ports: for each port its protocol (Modbus or DNP3) and the
// parameters of both. A QLX700-P has one port, the other models three. While the tool
// is connected through the serial-port button the page only shows them: changing the
// port the tool talks through would cut the tool off.
class TFrameConfSerial final : public TFrame {
public:
    static constexpr int kNoFocus = -1;

    explicit TFrameConfSerial(Ui& ui);

    void AtivarFrame(TEquipComm& comm, int language) override;
    void SetIdioma(int language) override;
    void AtualizarTela();
    void EnviarAjustes();

    // --- handlers
    void cbIndiceSelect(int index);
    // Shared by the seven radio groups.
    void rgModoClick(SerialRadio group, int index);
    void setEdit(SerialEdit edit, const std::string& text) { state_.edits.at(static_cast<std::size_t>(edit)) = text; }
    // Leaving any edit, or Enter in it.
    void edModBusEnderecoExit() { EnviarAjustes(); }
    // The view reports which edit holds the keyboard focus; a redraw keeps its text.
    void setFocusedEdit(int edit) { focusedEdit_ = edit; }
    // Numbers are shown with the system's decimal separator.
    void setDecimalSeparator(char separator) { decimalSeparator_ = separator; }

    // --- state for the view
    const FrameConfSerialState& state() const { return state_; }
    const FrameConfSerialCaptions& captions() const { return captions_; }

private:
    bool connected() const;
    bool singlePort() const;
    int port() const { return singlePort() ? 0 : state_.cbIndice; }
    std::string shown(SerialEdit edit, int value) const;

    Ui& ui_;
    TEquipComm* comm_ = nullptr;
    int language_ = 0;
    // Set while a handler talks to the device: an action that arrives during its
    // waits is refused instead of interleaving with it.
    bool busy_ = false;
    bool updating_ = false;
    int focusedEdit_ = kNoFocus;
    char decimalSeparator_ = '.';
    FrameConfSerialState state_;
    FrameConfSerialCaptions captions_;
};
