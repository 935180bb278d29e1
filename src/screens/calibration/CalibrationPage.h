#pragma once

#include "app/Page.h"
#include "screens/calibration/CalibrationPageState.h"
#include "screens/thermal/ValueTestWindow.h"

#include <string>

class Ui;

// The workshop page, shown after the access word: test and calibration mode, a test
// current on the output, the 127-ohm reference and the serial number, the device's
// test parameters and last errors, and the calibration windows.
class CalibrationPage final : public Page {
public:
    enum Focus { kNoFocus, kOutputCurrentEdit, kResistor127Edit, kSerialNumberEdit };

    explicit CalibrationPage(Ui& ui);

    void activate(DeviceLink& comm, int language) override;
    void setLanguage(int language) override;
    void redraw();
    // Validates the edits and sends the page's settings.
    void applyTestSettings();

    // --- handlers; a click in the mode or the box applies at once, an edit applies
    // when it is left or Enter is pressed in it
    void testModeChosen(int item);
    void calibrationDisabledToggled(bool checked);
    void setOutputCurrent(const std::string& text) { state_.outputCurrent = text; }
    void setResistor127(const std::string& text) { state_.resistor127 = text; }
    void setSerialNumber(const std::string& text) { state_.serialNumber = text; }
    void editLeft();
    // The view reports the edit with the keyboard focus; a redraw keeps its text.
    void setFocus(Focus focus) { focus_ = focus; }
    void setDecimalSeparator(char separator) { decimalSeparator_ = separator; }

    // Opens the current output calibration with the device in test mode and its
    // calibration off, and switches both back after it closes.
    void outputCalibrationClicked();
    void rtdTableClicked();
    void rtdRegressionClicked();
    void inputRegressionClicked();
    void readTestParametersClicked();
    void readLastErrorsClicked();
    // Prepares the value simulation window, which the view shows without blocking;
    // false without a link.
    bool simulateMeasurementsClicked();
    ValueTestWindow& valueTestWindow() { return valueTestWindow_; }

    // --- state for the view
    const CalibrationPageState& state() const { return state_; }
    const CalibrationPageCaptions& captions() const { return captions_; }

private:
    bool connected() const;
    double fullScale() const;
    // Keeps the record of the device now on the link: its serial number and reference.
    void saveSerialRecord();
    // Test mode and disabled calibration on or off; false at the first failure.
    bool setTestMode(int on);
    // After a failed send: the queued writes of one flush may have been taken in part,
    // so the page shows what the device now holds rather than what it held before.
    void readBack();

    Ui& ui_;
    DeviceLink* comm_ = nullptr;
    int language_ = 0;
    bool updating_ = false;
    bool busy_ = false;
    Focus focus_ = kNoFocus;
    char decimalSeparator_ = '.';
    CalibrationPageState state_;
    CalibrationPageCaptions captions_;
    ValueTestWindow valueTestWindow_;
};
