#pragma once

class DeviceLink;

// What every page offers the main window.
class Page {
public:
    virtual ~Page() = default;

    // Called each time the page is shown.
    virtual void activate(DeviceLink& comm, int language) = 0;
    virtual void setLanguage(int language) = 0;
    // The periodic refresh timer of the general pages and of the events page; pages
    // without one have nothing to switch.
    virtual void setTimerEnabled(bool) {}
};
