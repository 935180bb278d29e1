#pragma once

class DeviceLink;

// What every page offers the main window.
class Page {
public:
    virtual ~Page() = default;

    // Called each time the page is shown.
    virtual void activate(DeviceLink& comm, int language) = 0;
    virtual void setLanguage(int language) = 0;
    // The periodic timer of the general frames (Timer1) and of the download page
    // (timerUpdate); pages without one have nothing to switch.
    virtual void setTimerEnabled(bool) {}
};
