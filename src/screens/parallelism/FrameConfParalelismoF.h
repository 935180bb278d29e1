#pragma once

#include "app/TFrame.h"
#include "screens/parallelism/FrameConfParalelismoCaptions.h"
#include "screens/parallelism/FrameConfParalelismoState.h"

#include <optional>
#include <string>

class EventPump;
class Ui;

// The QLX700-P unit's parallelism settings: its address on the bus, bus size,
// positions, resistance per position, the two error times, how the position is read
// and the functions of relays 7..9. Per-unit registers are addressed through the
// unit index 1951, which a new address changes.
class TFrameConfParalelismo final : public TFrame {
public:
    TFrameConfParalelismo(Ui& ui, EventPump& pump);

    void AtivarFrame(TEquipComm& comm, int language) override;
    void SetIdioma(int language) override;
    void AtualizarTela();
    void EnviarParalelismo();

    // --- handlers
    void setEdit(ParalelismoEdit edit, const std::string& text) { state_.edits.at(static_cast<std::size_t>(edit)) = text; }
    // Leaving any of the six edits, or Enter in it.
    void editExit() { EnviarParalelismo(); }
    void radioClick(ParalelismoRadio group, int index);
    // Numbers are shown with the system's decimal separator.
    void setDecimalSeparator(char separator) { decimalSeparator_ = separator; }

    // --- state for the view
    const FrameConfParalelismoState& state() const { return state_; }
    const FrameConfParalelismoCaptions& captions() const { return captions_; }

private:
    bool connected() const;
    bool readUnit();

    Ui& ui_;
    EventPump& pump_;
    TEquipComm* comm_ = nullptr;
    int language_ = 0;
    bool updating_ = false;
    bool busy_ = false;
    char decimalSeparator_ = '.';
    FrameConfParalelismoState state_;
    FrameConfParalelismoCaptions captions_;
};
