#pragma once

#include "app/TFrame.h"
#include "screens/thermal/FrameDownloadCaptions.h"
#include "screens/thermal/FrameDownloadState.h"

#include <string>

class AppSettings;
class EventPump;
class FileChooser;
class Ui;

// The QLX700-T's records: the nine temperature maxima with the moment each was
// reached, the number of recorded events and the recording interval, the download of
// every event into a log file, erasing the events and resetting the maxima.
class TFrameDownload final : public TFrame {
public:
    TFrameDownload(Ui& ui, FileChooser& files, AppSettings& settings, EventPump& pump);

    void AtivarFrame(TEquipComm& comm, int language) override;
    void SetIdioma(int language) override;
    // `timerUpdate` redraws the page every second from the register image.
    void setTimerEnabled(bool enabled) override { timerEnabled_ = enabled; }
    bool timerEnabled() const { return timerEnabled_; }
    void AtualizarTela();

    // --- handlers
    void timerUpdateTimer() { AtualizarTela(); }
    void setEdTimerEventos(const std::string& text) { state_.edTimerEventos = text; }
    // The view reports whether the interval edit holds the keyboard focus; a redraw keeps its text.
    void setTimerEventosFocused(bool focused) { timerEventosFocused_ = focused; }
    // Leaving the interval edit, or Enter in it.
    void edTimerEventosExit();
    void bbBaixarEventosClick();
    void bbApagarEventosClick();
    void bbZerarMaximosClick();

    // --- state for the view
    const FrameDownloadState& state() const { return state_; }
    const FrameDownloadCaptions& captions() const { return captions_; }
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
    TEquipComm* comm_ = nullptr;
    int language_ = 0;
    bool timerEnabled_ = false;
    bool updating_ = false;
    // Set while a handler talks to the device: a click that arrives during its waits
    // is refused instead of interleaving with it.
    bool busy_ = false;
    bool timerEventosFocused_ = false;
    FrameDownloadState state_;
    FrameDownloadCaptions captions_;
};
