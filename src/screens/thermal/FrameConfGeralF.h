#pragma once

#include "screens/common/GeneralFrameF.h"
#include "screens/thermal/FrameConfGeralCaptions.h"
#include "screens/thermal/FrameConfGeralState.h"
#include "screens/thermal/FormTesteValoresF.h"

#include <string>


// The QLX700-T general page: on the shared general frame, the live measurements, the
// three device settings, the relays and their names, and the membrane-fault test.
class TFrameConfGeral final : public TGeneralFrame {
public:
    static constexpr int kRelayCount = 10;
    // No edit has the keyboard focus.
    static constexpr int kNoFocus = -1;

    explicit TFrameConfGeral(GeneralFrameContext context);

    void EnviarAjustes();

    // --- handlers
    void rgVisualizacaoClick(int index);
    void rgFreqOperacaoClick(int index);
    void rgIdiomaClick(int index);
    void setEdRele(int relay, const std::string& text) { state_.edRele.at(static_cast<std::size_t>(relay)) = text; }
    // The view reports which name edit holds the keyboard focus; a redraw keeps its text.
    void setFocusedEdit(int relay) { focusedEdit_ = relay; }
    void edRele1Exit();
    // "Teste Falha Membrana": the membrane form has the link to itself while open.
    void BitBtn1Click();

    // --- state for the view
    const FrameConfGeralState& state() const { return state_; }
    const FrameConfGeralCaptions& captions() const { return captions_; }
    // The value test form; the calibration page shows it.
    TFormTesteValores& testeValores() { return testeValores_; }

private:
    void drawModel(bool connected) override;
    void languageChanged() override;
    void connectEnded(bool ok) override;
    void settingClick(int FrameConfGeralState::*group, int index);
    std::string cell(const char* format, const std::optional<double>& value) const;

    TFormTesteValores testeValores_;
    int focusedEdit_ = kNoFocus;
    FrameConfGeralState state_;
    FrameConfGeralCaptions captions_;
};
