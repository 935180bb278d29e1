#pragma once

// Holds a busy flag for one call and gives back what it found. The link's waits run
// the window's timers: a handler or a transaction holding its flag lets a tick that
// fires inside it see that the link is taken.
class BusyHold {
public:
    explicit BusyHold(bool& flag)
        : flag_(flag)
        , previous_(flag)
    {
        flag_ = true;
    }
    ~BusyHold() { flag_ = previous_; }
    BusyHold(const BusyHold&) = delete;
    BusyHold& operator=(const BusyHold&) = delete;

private:
    bool& flag_;
    bool previous_;
};
