#pragma once

#include "app/TDialog.h"

#include <array>
#include <string>

class EventPump;
class TEquipComm;
class Ui;

// Runs the irrigation controller by hand: a manual cycle over chosen branches for a
// set duration, started and stopped by device commands, and direct control of the
// pump and the five valves. The controls follow the device every 3.5 s.
class TForm_QLX700IRR_Manual final : public TDialog {
public:
    static constexpr int kTimerInterval = 3500; // ms
    static constexpr int kBranches = 5;
    static constexpr int kMaxDuracao = 1440; // minutes
    enum class Command : int { Start = 1110, Stop = 1111 };

    TForm_QLX700IRR_Manual(Ui& ui, EventPump& pump);

    // Reads the manual registers, fills the controls and starts the timer.
    void Show(TEquipComm& comm, int language);
    void SetIdioma(int language);

    // --- handlers
    // Branch, valve: 1..5. A box's click is its new state followed by cbCicloValvula1Click.
    void setCicloValvula(int branch, bool checked) { state_.cbCicloValvula.at(index(branch)) = checked; }
    void setValvula(int valve, bool checked) { state_.cbValvula.at(index(valve)) = checked; }
    void setManualBomba(bool checked) { state_.cbManualBomba = checked; }
    void setEdDuracao(const std::string& text) { state_.edDuracao = text; }
    // The view reports the keyboard focus of `edDuracao`; a refill keeps what is typed.
    void setDuracaoFocused(bool focused) { duracaoFocused_ = focused; }
    // Any box's click, leaving `edDuracao` and Enter in it: sends the form.
    void cbCicloValvula1Click();
    void bbCicloManualClick() { command(Command::Start); }
    void bbCicloManualCancelarClick() { command(Command::Stop); }
    void TimerUpdateTimer();

    // --- state for the view
    struct State {
        std::array<bool, kBranches> cbCicloValvula{};
        std::string edDuracao;
        bool cbManualBomba = false;
        std::array<bool, kBranches> cbValvula{};
        // A group whose register never arrived on this link cannot be changed.
        bool cicloEnabled = false;
        bool controleEnabled = false;
    };
    struct Captions {
        std::string caption, gbCicloManual, lblDuracao, bbCicloManual, bbCicloManualCancelar, gbControleManual,
            cbManualBomba;
        std::array<std::string, kBranches> ramais;
    };
    const State& state() const { return state_; }
    const Captions& captions() const { return captions_; }
    bool timerEnabled() const { return timerEnabled_; }
    // A tick, a send or a command is running (its waits let the timer fire).
    bool busy() const { return busy_; }

private:
    static std::size_t index(int oneBased) { return static_cast<std::size_t>(oneBased - 1); }
    void fill();
    void command(Command code);
    // The message of a failed transaction: another request still waiting on the link
    // made it fail at once, or the device did not take it.
    void failed();

    Ui& ui_;
    EventPump& pump_;
    TEquipComm* comm_ = nullptr;
    int language_ = 0;
    bool busy_ = false;
    bool updating_ = false;
    bool timerEnabled_ = false;
    bool duracaoFocused_ = false;
    State state_;
    Captions captions_;
};
