#pragma once

#include "app/TFrame.h"
#include "screens/irrigation/FrameConfQLX700IRRCaptions.h"
#include "screens/irrigation/FrameConfQLX700IRRState.h"

#include <optional>
#include <string>

class EventPump;
class Ui;
struct IrrControl;

// The irrigation settings of a QLX700-IRR: the five cycles (start, duration, branches),
// the consumption limit, the pump's pressure supervision, the sensors, the operation
// mode and the manual duration. Leaving an edit, Enter, and a click on a box or radio
// group send the whole page; it is then refilled from what the device holds.
class TFrameConfQLX700IRR final : public TFrame {
public:
    static constexpr int kCycles = 5;

    TFrameConfQLX700IRR(Ui& ui, EventPump& pump);

    void AtivarFrame(TEquipComm& comm, int language) override;
    void SetIdioma(int language) override;
    void AtualizarTela();
    void EnviarAjustes();

    // --- handlers
    // The item chosen in `cbCiclo`; -1 when none is selected.
    void cbCicloSelect(int index);
    void setEdit(IrrEdit edit, const std::string& text) { state_.edits.at(static_cast<std::size_t>(edit)) = text; }
    // Leaving any edit, or Enter in it.
    void edInicioHExit() { EnviarAjustes(); }
    void checkClick(IrrCheck box, bool checked);
    void radioClick(IrrRadio group, int index);
    // Numbers are shown with the system's decimal separator.
    void setDecimalSeparator(char separator) { decimalSeparator_ = separator; }

    // --- state for the view
    int cycle() const { return cycle_; }
    const FrameConfQLX700IRRState& state() const { return state_; }
    const FrameConfQLX700IRRCaptions& captions() const { return captions_; }

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
    TEquipComm* comm_ = nullptr;
    int language_ = 0;
    int cycle_ = 0;
    bool updating_ = false;
    bool busy_ = false;
    bool sending_ = false;
    bool sendAgain_ = false;
    char decimalSeparator_ = '.';
    FrameConfQLX700IRRState state_;
    FrameConfQLX700IRRCaptions captions_;
};
