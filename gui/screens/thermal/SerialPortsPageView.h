#pragma once

#include "gui/app/PageView.h"
#include "screens/thermal/SerialPortsPageState.h"

#include <array>

class ApplyEdit;
class QComboBox;
class QLabel;
class RadioGroupBox;
class QGroupBox;
class SerialPortsPage;

// The serial ports page: the port selector, the mode, the Modbus and DNP3 settings
// of the selected port, and the red notice while they cannot be changed.
class SerialPortsPageView final : public PageView {
    Q_OBJECT
public:
    explicit SerialPortsPageView(SerialPortsPage& logic, QWidget* parent = nullptr);
    ~SerialPortsPageView() override;

    void render() override;

private:
    RadioGroupBox* radio(SerialRadio group, const char* name, int items, int columns);
    ApplyEdit* edit(SerialEdit which, const char* name);
    QLabel* caption(SerialEdit which, const char* name);
    template <typename F>
    void handle(F&& f);

    SerialPortsPage& logic_;
    QLabel* portLabel_ = nullptr;
    QComboBox* portCombo_ = nullptr;
    QGroupBox* modbusBox_ = nullptr;
    QGroupBox* dnp3Box_ = nullptr;
    QLabel* readOnlyNoticeLabel_ = nullptr;
    std::array<RadioGroupBox*, kSerialRadioCount> radios_{};
    std::array<ApplyEdit*, kSerialEditCount> edits_{};
    std::array<QLabel*, kSerialEditCount> labels_{};
};
