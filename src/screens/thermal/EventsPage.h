#pragma once

#include "app/Page.h"
#include "screens/thermal/EventsPageCaptions.h"
#include "screens/thermal/EventsPageState.h"

#include <string>

class AppSettings;
class EventPump;
class FileChooser;
class Ui;

// The QLX700-T's records: the nine temperature maxima with the moment each was
// reached, the number of recorded events and the recording interval, the download of
// every event into a log file, erasing the events and resetting the maxima.
class EventsPage final : public Page {
public:
    EventsPage(Ui& ui, FileChooser& files, AppSettings& settings, EventPump& pump);

    void activate(DeviceLink& comm, int language) override;
    void setLanguage(int language) override;
    // While enabled, the view's refresh timer calls `tick` every second, which redraws
    // the page from the register image.
    void setTimerEnabled(bool enabled) override { timerEnabled_ = enabled; }
    bool timerEnabled() const { return timerEnabled_; }
    void redraw();

    // --- handlers
    void tick() { redraw(); }
    void setEventInterval(const std::string& text) { state_.eventInterval = text; }
    // The view reports whether the interval edit holds the keyboard focus; a redraw keeps its text.
    void setEventIntervalFocused(bool focused) { eventIntervalFocused_ = focused; }
    // Leaving the interval edit, or Enter in it.
    void eventIntervalLeft();
    void downloadEventsClicked();
    void eraseEventsClicked();
    void resetMaximaClicked();

    // --- state for the view
    const EventsPageState& state() const { return state_; }
    const EventsPageCaptions& captions() const { return captions_; }
    bool busy() const { return busy_; }

private:
    bool connected() const;
    // The event count and the number of windings and RTD inputs, read now where this
    // connection has not received them yet.
    bool readDownloadLayout();
    void saveEventLog(const std::string& path);

    Ui& ui_;
    FileChooser& files_;
    AppSettings& settings_;
    EventPump& pump_;
    DeviceLink* comm_ = nullptr;
    int language_ = 0;
    bool timerEnabled_ = false;
    bool updating_ = false;
    // Set while a handler talks to the device: a click that arrives during its waits
    // is refused instead of interleaving with it.
    bool busy_ = false;
    bool eventIntervalFocused_ = false;
    EventsPageState state_;
    EventsPageCaptions captions_;
};
