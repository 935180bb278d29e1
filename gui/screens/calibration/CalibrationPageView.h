#pragma once

#include "gui/app/PageView.h"

#include <QPointer>

class ApplyEdit;
class ValueTestWindowView;
class QCheckBox;
class QLabel;
class QPushButton;
class RadioGroupBox;
class CalibrationPage;

// The calibration and test page: the mode, the test current, the reference resistor
// and the serial number on the left, the windows and lists it opens on the right.
class CalibrationPageView final : public PageView {
    Q_OBJECT
public:
    explicit CalibrationPageView(CalibrationPage& logic, QWidget* parent = nullptr);
    ~CalibrationPageView() override;

    void render() override;

private:
    ApplyEdit* edit(const char* name, int focus);
    QPushButton* button(const char* name);
    template <typename F>
    void handle(F&& f);

    CalibrationPage& logic_;
    RadioGroupBox* testModeGroup_ = nullptr;
    QCheckBox* calibrationDisabledCheck_ = nullptr;
    QLabel* outputCurrentLabel_ = nullptr;
    QLabel* resistor127Label_ = nullptr;
    QLabel* serialNumberLabel_ = nullptr;
    ApplyEdit* outputCurrentEdit_ = nullptr;
    ApplyEdit* resistor127Edit_ = nullptr;
    ApplyEdit* serialNumberEdit_ = nullptr;
    QLabel* parametersSizePanel_ = nullptr;
    QPushButton* outputCalibrationButton_ = nullptr;
    QPushButton* rtdTableButton_ = nullptr;
    QPushButton* rtdRegressionButton_ = nullptr;
    QPushButton* inputRegressionButton_ = nullptr;
    QPushButton* readTestParametersButton_ = nullptr;
    QPushButton* readLastErrorsButton_ = nullptr;
    QPushButton* simulateMeasurementsButton_ = nullptr;
    QPointer<ValueTestWindowView> valueTestView_;
};
