#pragma once

#include "app/Dialog.h"
#include "screens/calibration/CalibrationRegisters.h"
#include "screens/calibration/GridCellEdit.h"
#include "screens/calibration/LineFit.h"

#include <string>
#include <vector>

class DeviceLink;
class Ui;
struct CalibrationCurve;

// Calibrates a current output: the window drives a desired test current, the
// technician types what the output really gives, and a line through these points
// (desired over obtained) becomes the output's gain and offset in the device, for
// either board range. The points are kept in the calibration record.
class OutputCalibrationWindow final : public Dialog {
public:
    static constexpr int kOutputs = CalibrationRegisters::kCurrentOutputs;
    static constexpr int kMinPoints = 2;
    static constexpr int kMaxPoints = 20;

    explicit OutputCalibrationWindow(Ui& ui);

    void open(DeviceLink& comm, int language);
    void setLanguage(int language);

    // --- handlers
    void outputChosen(int output);
    // Item 0: the 0-32 mA range, item 1: the 0-1.5 mA range.
    void rangeChosen(int item);
    void setPointCount(const std::string& text) { pointCount_ = text; }
    void pointCountLeft();
    // A cell of row 1 or below: the edit box opens over it.
    void selectCell(int row, int column);
    void setCellText(const std::string& text) { cellEdit_.setText(text); }
    // Leaving the edit box or Enter: true when the value was taken and the box closed.
    bool cellEditConfirmed();
    void cellEditCancelled() { cellEdit_.close(); }
    bool saveCalibrationClicked();
    void okClicked();
    void cancelClicked() { close(mrCancel); }

    // --- state for the view
    struct Captions {
        std::string caption, pointCountLabel, outputLabel, range, range32mA, range1_5mA, saveCalibration;
        // Desired and obtained current.
        std::vector<std::string> header;
    };
    const Captions& captions() const { return captions_; }
    int output() const { return output_; }
    int range() const { return scale_ - 1; }
    const std::string& pointCount() const { return pointCount_; }
    // Rows 1..N of the grid: desired and obtained cells.
    const std::vector<std::vector<std::string>>& rows() const { return rows_; }
    bool editing() const { return cellEdit_.editing(); }
    const GridCellEdit& cellEdit() const { return cellEdit_; }
    const LineFitTexts& fitTexts() const { return fitTexts_; }
    const LineFit& fit() const { return fit_; }
    const std::string& deviceCalibration() const { return deviceCalibration_; }
    // The points that entered the fit (obtained, desired), for the plot.
    void points(std::vector<double>& obtained, std::vector<double>& desired) const;

private:
    double fullScale() const { return scale_ == 2 ? 1.5 : 32.0; }
    GainOffsetRegisters calibrationRegisters() const { return CalibrationRegisters::currentOutput(range(), output_); }
    CalibrationCurve& curve();
    void loadOutput();
    void fitGrid();
    void storePoints();
    bool save();
    // Stores the points and asks about an unsaved fit; false when the change of
    // output or range is to be given up.
    bool leaveOutput();
    void sendTestCurrent(double value);

    Ui& ui_;
    DeviceLink* comm_ = nullptr;
    int language_ = 0;
    int output_ = 0;
    int scale_ = 1;
    bool updating_ = false;
    std::string pointCount_ = "2";
    std::vector<std::vector<std::string>> rows_;
    GridCellEdit cellEdit_{0, 1};
    LineFit fit_;
    LineFitTexts fitTexts_;
    std::string deviceCalibration_;
    Captions captions_;
};
