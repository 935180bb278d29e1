#pragma once

#include "screens/thermal/ThermalUi.h"

#include <QPointer>
#include <QWidget>

// The thermal pages' own dialogs as real windows, placed relative to the page that
// opens them (the anchor).
class QtThermalUi final : public ThermalUi {
public:
    explicit QtThermalUi(QWidget* anchor = nullptr);

    void setAnchor(QWidget* anchor) { anchor_ = anchor; }

    void exec(TFormDetectFalhaParam& form) override;

private:
    QPointer<QWidget> anchor_;
};
