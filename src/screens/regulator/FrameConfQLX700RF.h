#pragma once

#include "app/TFrame.h"
#include "screens/regulator/RegisterControls.h"

#include <array>
#include <string>

class EventPump;
class Ui;

// The regulator's fixed settings: line-drop compensation, instrument transformers,
// blocking limits and tap changer. Every change is validated and written when the
// user leaves an edit, presses Enter or clicks a radio group; the page then shows
// what the device holds.
class TFrameConfQLX700R final : public TFrame {
public:
    TFrameConfQLX700R(Ui& ui, EventPump& pump);

    void AtivarFrame(TEquipComm& comm, int language) override;
    void SetIdioma(int language) override;
    void AtualizarTela();
    void EnviarAjustes();

    // --- handlers
    void setText(std::size_t control, const std::string& text) { controls_.setText(control, text); }
    // Leaving an edit, or Enter in it.
    void editExit() { EnviarAjustes(); }
    void radioClick(std::size_t control, int index);
    void setDecimalSeparator(char separator) { decimalSeparator_ = separator; }

    // --- state for the view
    const TRegisterControls& controls() const { return controls_; }
    int language() const { return language_; }
    // gbLDC, gbTpTc, gbBloqueio, gbComutador.
    const std::array<std::string, 4>& groupCaptions() const { return groups_; }

private:
    bool connected() const;

    Ui& ui_;
    EventPump& pump_;
    TEquipComm* comm_ = nullptr;
    TRegisterControls controls_;
    std::array<std::string, 4> groups_{};
    int language_ = 0;
    bool updating_ = false;
    char decimalSeparator_ = '.';
};
