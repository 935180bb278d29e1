#pragma once

class TEquipComm;

// What every page offers the main window.
class TFrame {
public:
    virtual ~TFrame() = default;

    // Called each time the page is shown.
    virtual void AtivarFrame(TEquipComm& comm, int language) = 0;
    virtual void SetIdioma(int language) = 0;
    // The periodic timer of the general frames (Timer1) and of the download page
    // (timerUpdate); pages without one have nothing to switch.
    virtual void setTimerEnabled(bool) {}
};
