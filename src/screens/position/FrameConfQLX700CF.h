#pragma once

#include "app/TFrame.h"
#include "screens/position/FrameConfQLX700CCaptions.h"
#include "screens/position/FrameConfQLX700CState.h"

#include <string>

class EventPump;
class Ui;

// How the QLX700-C reads the tap changer's position: the resistance per position,
// the number of positions, the lowest and highest positions and whether it reads a
// resistance or a current. Leaving the resistance (or Enter in it) and a click on the
// reading mode send every field; the other edits go out with the next send.
class TFrameConfQLX700C final : public TFrame {
public:
    TFrameConfQLX700C(Ui& ui, EventPump& pump);

    void AtivarFrame(TEquipComm& comm, int language) override;
    void SetIdioma(int language) override;
    void AtualizarTela();
    void EnviarPosicao();

    // --- handlers
    void setEdit(PositionEdit edit, const std::string& text) { state_.edits.at(static_cast<std::size_t>(edit)) = text; }
    void edResPorPosExit() { EnviarPosicao(); }
    void rgModoLeituraClick(int index);
    // Numbers are shown with the system's decimal separator.
    void setDecimalSeparator(char separator) { decimalSeparator_ = separator; }

    // --- state for the view
    const FrameConfQLX700CState& state() const { return state_; }
    const FrameConfQLX700CCaptions& captions() const { return captions_; }

private:
    bool connected() const;

    Ui& ui_;
    EventPump& pump_;
    TEquipComm* comm_ = nullptr;
    int language_ = 0;
    bool updating_ = false;
    bool busy_ = false;
    char decimalSeparator_ = '.';
    FrameConfQLX700CState state_;
    FrameConfQLX700CCaptions captions_;
};
