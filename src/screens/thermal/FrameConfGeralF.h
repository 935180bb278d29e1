#pragma once

#include "app/LocalDateTime.h"
#include "app/TGeneralFrame.h"
#include "link/SerialLinkSettings.h"
#include "screens/common/ConfigFileFlow.h"
#include "screens/common/ConnectFlow.h"
#include "screens/common/GeneralFrameContext.h"
#include "screens/thermal/FrameConfGeralCaptions.h"
#include "screens/thermal/FrameConfGeralState.h"
#include "screens/thermal/FormTesteValoresF.h"

#include <cstdint>
#include <string>

class ThermalUi;

// The QLX700-T general page: connect, password, live measurements every second, the
// three device settings, the clock, the relay names and the configuration files.
class TFrameConfGeral final : public TGeneralFrame {
public:
    static constexpr int kRelayCount = 10;
    // No edit has the keyboard focus.
    static constexpr int kNoFocus = -1;

    TFrameConfGeral(GeneralFrameContext context, ThermalUi& thermalUi);

    void AtivarFrame(TEquipComm& comm, int language) override;
    void SetIdioma(int language) override;
    void setTimerEnabled(bool enabled) override { timerEnabled_ = enabled; }

    void AtualizarTela();
    void EnviarAjustes();
    bool ConectarSerial(const std::string& port, int address, bool serialButton,
                        const SerialLinkSettings& settings) override;
    bool ConectarIP(const std::string& deviceIp, const std::string& pcIp, bool tcp, std::uint16_t port);
    void Desconectar();

    // --- handlers
    void bbConectarClick(bool usbButton);
    void bbConectarIPClick();
    void Timer1Timer();
    void rgVisualizacaoClick(int index);
    void rgFreqOperacaoClick(int index);
    void rgIdiomaClick(int index);
    void setEdRele(int relay, const std::string& text) { state_.edRele.at(static_cast<std::size_t>(relay)) = text; }
    // The view reports which name edit holds the keyboard focus; a redraw keeps its text.
    void setFocusedEdit(int relay) { focusedEdit_ = relay; }
    void edRele1Exit() { EnviarAjustes(); }
    void bbAjustarRelogioComputadorClick(const LocalDateTime& now = LocalNow());
    void bbAjustarRelogioManualClick();
    void bbAlterarSenhaClick();
    void bbAlterarIPClick();
    // "Teste Falha Membrana": the membrane form has the link to itself while open.
    void BitBtn1Click();
    void bbSalvarConfClick();
    void bbCarregarConfClick();

    // --- state for the view
    const FrameConfGeralState& state() const { return state_; }
    const FrameConfGeralCaptions& captions() const { return captions_; }
    bool timerEnabled() const { return timerEnabled_; }
    // Numbers are shown with the system's decimal separator.
    void setDecimalSeparator(char separator) { decimalSeparator_ = separator; }
    TConnectFlow& connectFlow() { return connect_; }
    // The value test form; the calibration page shows it.
    TFormTesteValores& testeValores() { return testeValores_; }

private:
    bool connected() const;
    void afterConnect(bool ok);
    void showConnected();
    std::string number(const char* format, double value) const;

    GeneralFrameContext context_;
    ThermalUi& thermalUi_;
    TConnectFlow connect_;
    TConfigFileFlow files_;
    TFormTesteValores testeValores_;
    TEquipComm* comm_ = nullptr;
    int language_ = 0;
    bool timerEnabled_ = false;
    // Set while a tick or a handler that talks to the device runs; ticks skip then.
    bool busy_ = false;
    bool updating_ = false;
    int focusedEdit_ = kNoFocus;
    char decimalSeparator_ = '.';
    FrameConfGeralState state_;
    FrameConfGeralCaptions captions_;
};
