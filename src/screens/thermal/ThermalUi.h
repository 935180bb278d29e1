#pragma once

class TFormDetectFalhaParam;

// The modal windows of the thermal pages beyond those every screen shares (Ui).
class ThermalUi {
public:
    virtual ~ThermalUi() = default;
    // Runs the membrane form's timer while it is shown; returns when it closes.
    virtual void exec(TFormDetectFalhaParam& form) = 0;
};
