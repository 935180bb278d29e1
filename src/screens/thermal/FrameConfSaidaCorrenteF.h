#pragma once

#include "app/TFrame.h"
#include "screens/thermal/FrameConfSaidaCorrenteCaptions.h"
#include "screens/thermal/FrameConfSaidaCorrenteState.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class Ui;

// The device's analogue current outputs: the output range, the full scale and the
// channel that drives each output. The QLX700-T has the whole page (up to four
// outputs); the QLX700-R up to three outputs driven by TP, TC or TAP and a current
// full scale; the other models only the range (on the QLX700-P, the range of this
// unit on the bus).
class TFrameConfSaidaCorrente final : public TFrame {
public:
    enum Focus { kNoFocus, kFundoEscala, kFundoEscalaCorrente };

    // `currentOutputs`: how many current outputs the QLX700-R general page found.
    TFrameConfSaidaCorrente(Ui& ui, std::function<int()> currentOutputs);

    void AtivarFrame(TEquipComm& comm, int language) override;
    void SetIdioma(int language) override;
    void AtualizarTela();
    void EnviarAjustes();

    // --- handlers; a click in the range and a choice in any channel list send at once
    void rgEscalaClick(int index);
    void cbSaidaAssociadaSelect(int output, int entry);
    void setFundoEscala(const std::string& text) { state_.edFundoEscala = text; }
    void setFundoEscalaCorrente(const std::string& text) { state_.edFundoEscalaCorrente = text; }
    // Leaving either full-scale edit, or Enter in it.
    void edFundoEscalaExit() { EnviarAjustes(); }
    // The view reports the edit with the keyboard focus; a redraw keeps its text.
    void setFocus(Focus focus) { focus_ = focus; }
    void setDecimalSeparator(char separator) { decimalSeparator_ = separator; }

    // --- state for the view
    const FrameConfSaidaCorrenteState& state() const { return state_; }
    const FrameConfSaidaCorrenteCaptions& captions() const { return captions_; }

private:
    enum class Form { Thermal, Regulator, RangeOnly };

    bool connected() const;
    Form form() const;
    // The range register: 301, or on the QLX700-P 301 + this unit's index on the bus;
    // none when that index is outside the bus (0..15).
    std::optional<int> rangeRegister() const;
    int listCount() const;
    void buildChannels();
    void readOutputs(TEquipComm& comm);

    Ui& ui_;
    std::function<int()> currentOutputs_;
    TEquipComm* comm_ = nullptr;
    int language_ = 0;
    bool busy_ = false;
    bool updating_ = false;
    Focus focus_ = kNoFocus;
    char decimalSeparator_ = '.';
    // The channel code of each entry of the lists.
    std::vector<int> codes_;
    FrameConfSaidaCorrenteState state_;
    FrameConfSaidaCorrenteCaptions captions_;
};
