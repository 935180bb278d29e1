#pragma once

#include "gui/app/PageView.h"
#include "screens/irrigation/IrrigationSettingsPageState.h"

#include <array>

class ApplyEdit;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class RadioGroupBox;
class IrrigationSettingsPage;

// The irrigation settings page: the selected cycle with the consumption limit, the
// general settings, the pump and the sensors, each in its group box.
class IrrigationSettingsPageView final : public PageView {
    Q_OBJECT
public:
    explicit IrrigationSettingsPageView(IrrigationSettingsPage& logic, QWidget* parent = nullptr);
    ~IrrigationSettingsPageView() override;

    void render() override;

private:
    QGroupBox* group(int index, const char* name);
    // A row of the group's grid: label, edit, unit.
    void addEditRow(QGridLayout* grid, IrrEdit edit);
    ApplyEdit* makeEdit(IrrEdit edit, QWidget* parent);
    QCheckBox* makeCheck(IrrCheck box, QWidget* parent);
    RadioGroupBox* makeRadio(IrrRadio group, QWidget* parent);

    IrrigationSettingsPage& logic_;
    std::array<QGroupBox*, 4> groups_{};
    QComboBox* cycleCombo_ = nullptr;
    std::array<ApplyEdit*, kIrrEditCount> edits_{};
    std::array<QLabel*, kIrrEditCount> labels_{};
    std::array<QLabel*, kIrrEditCount> units_{};
    std::array<QCheckBox*, kIrrCheckCount> checks_{};
    std::array<RadioGroupBox*, kIrrRadioCount> radios_{};
};
