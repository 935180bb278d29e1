#pragma once

#include "gui/app/PageView.h"
#include "screens/thermal/FrameConfSerialState.h"

#include <array>

class ApplyEdit;
class QComboBox;
class QLabel;
class RadioGroupBox;
class QGroupBox;
class TFrameConfSerial;

// The serial ports page: the port selector, the mode, the Modbus and DNP3 settings
// of the selected port, and the red notice while they cannot be changed.
class FrameConfSerialView final : public PageView {
    Q_OBJECT
public:
    explicit FrameConfSerialView(TFrameConfSerial& logic, QWidget* parent = nullptr);
    ~FrameConfSerialView() override;

    void render() override;

private:
    RadioGroupBox* radio(SerialRadio group, const char* name, int items, int columns);
    ApplyEdit* edit(SerialEdit which, const char* name);
    QLabel* caption(SerialEdit which, const char* name);
    template <typename F>
    void handle(F&& f);

    TFrameConfSerial& logic_;
    QLabel* lblIndice_ = nullptr;
    QComboBox* cbIndice_ = nullptr;
    QGroupBox* gbModBus_ = nullptr;
    QGroupBox* gbDNP3_ = nullptr;
    QLabel* lblNaoPodeModificar_ = nullptr;
    std::array<RadioGroupBox*, kSerialRadioCount> radios_{};
    std::array<ApplyEdit*, kSerialEditCount> edits_{};
    std::array<QLabel*, kSerialEditCount> labels_{};
};
