#pragma once

#include "app/Dialog.h"

#include <array>
#include <string>

class EventPump;
class DeviceLink;
class Ui;

// Runs the irrigation controller by hand: a manual cycle over chosen branches for a
// set duration, started and stopped by device commands, and direct control of the
// pump and the five valves. The controls follow the device every 3.5 s.
class ManualOperationWindow final : public Dialog {
public:
    static constexpr int kTimerInterval = 3500; // ms
    static constexpr int kBranches = 5;
    static constexpr int kMaxDuration = 1440; // minutes
    enum class Command : int { Start = 1110, Stop = 1111 };

    ManualOperationWindow(Ui& ui, EventPump& pump);

    // Reads the manual registers, fills the controls and starts the timer.
    void open(DeviceLink& comm, int language);
    void setLanguage(int language);

    // --- handlers
    // Branch, valve: 1..5. A box's click is its new state followed by controlChanged.
    void setCycleBranch(int branch, bool checked) { state_.cycleBranches.at(index(branch)) = checked; }
    void setValve(int valve, bool checked) { state_.valves.at(index(valve)) = checked; }
    void setPump(bool checked) { state_.pump = checked; }
    void setDuration(const std::string& text) { state_.duration = text; }
    // The view reports the keyboard focus of the duration edit; a refill keeps what is typed.
    void setDurationFocused(bool focused) { durationFocused_ = focused; }
    // Any box's click, leaving the duration edit and Enter in it: sends what the window shows.
    void controlChanged();
    void startCycleClicked() { command(Command::Start); }
    void stopCycleClicked() { command(Command::Stop); }
    void tick();

    // --- state for the view
    struct State {
        std::array<bool, kBranches> cycleBranches{};
        std::string duration;
        bool pump = false;
        std::array<bool, kBranches> valves{};
        // A group whose register never arrived on this link cannot be changed.
        bool cycleEnabled = false;
        bool controlEnabled = false;
    };
    struct Captions {
        std::string caption, manualCycleBox, durationLabel, startCycleButton, stopCycleButton, manualControlBox,
            pump;
        std::array<std::string, kBranches> branches;
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
    DeviceLink* comm_ = nullptr;
    int language_ = 0;
    bool busy_ = false;
    bool updating_ = false;
    bool timerEnabled_ = false;
    bool durationFocused_ = false;
    State state_;
    Captions captions_;
};
