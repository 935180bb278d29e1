#pragma once

#include "app/Dialog.h"
#include "app/LocalDateTime.h"
#include "screens/calibration/CalibrationRegisters.h"
#include "screens/calibration/LineFit.h"

#include <optional>
#include <string>
#include <vector>

class DeviceLink;
class Ui;
struct CalibrationCurve;

// What the two regression windows share (RTD inputs, current inputs): channel by
// channel, pairs of (value the device measured, value really applied) are collected,
// a line is fitted through them, and its slope and intercept are sent to the device
// as the channel's gain and offset. The points live in the calibration record.
class RegressionWindow : public Dialog {
public:
    // Points added here; a record may hold one more.
    static constexpr int kAddLimit = 39;

    explicit RegressionWindow(Ui& ui);

    void open(DeviceLink& comm, int language);
    void setLanguage(int language);

    // --- handlers
    void previousChannelClicked() { step(-1); }
    void nextChannelClicked() { step(+1); }
    void setMeasuredText(const std::string& text) { measuredText_ = text; }
    void setExpectedText(const std::string& text) { expectedText_ = text; }
    void copyMeasurementClicked();
    void addPointClicked();
    // `row`: the grid's current row, 0 for the header.
    void removePointClicked(int row);
    bool saveCalibrationClicked();
    // The 800 ms refresh of the live reading.
    void tick();
    // The window's close box: true when it may close.
    bool closeRequested();

    // --- state for the view
    struct Captions {
        std::string caption, nextChannel, previousChannel, measuredLabel, expectedLabel, addPoint, removePoint,
            copyMeasurement, saveCalibration;
        std::vector<std::string> header;
    };
    const Captions& captions() const { return captions_; }
    int channel() const { return channel_; }
    bool stepsVisible() const { return channelCount() > 1; }
    const std::string& channelName() const { return channelName_; }
    const std::string& measuredText() const { return measuredText_; }
    const std::string& expectedText() const { return expectedText_; }
    // The grid's data rows, one text per column.
    const std::vector<std::vector<std::string>>& rows() const { return rows_; }
    const LineFit& fit() const { return fit_; }
    const LineFitTexts& fitTexts() const { return fitTexts_; }
    const std::string& deviceCalibration() const { return deviceCalibration_; }
    const std::string& liveReading() const { return liveReading_; }
    // No reading answered the last refresh, or none was made yet: the reading shown,
    // if any, is an older one and is not copied.
    bool liveStale() const { return !liveFresh_; }
    // After a refresh without answer, since when the device has not answered; empty
    // otherwise.
    std::string liveMarker() const;
    const std::vector<double>& xs() const { return x_; }
    const std::vector<double>& ys() const { return y_; }

protected:
    DeviceLink& comm() const { return *comm_; }
    bool hasComm() const { return comm_ != nullptr; }
    int language() const { return language_; }
    Ui& ui() const { return ui_; }
    // The channel shown.
    const CalibratedInput& current() const;

    // The model's channels and the registers read for them.
    virtual InputTable table() const = 0;
    virtual CalibrationCurve& curve() = 0;
    // The live reading of the channel, as shown and as copied into the measured edit.
    virtual std::string liveText(double value) const = 0;
    virtual std::string liveMeasured(double value) const = 0;
    // The expected value as stored from what was typed (the RTD window converts a
    // temperature).
    virtual double expectedValue(double typed) const { return typed; }
    virtual std::vector<std::string> rowTexts(int i) const;
    virtual std::string channelLabel() const = 0;
    virtual std::string titleIn(int language) const = 0;
    // The header of the expected value's columns, after those of the point number and
    // the measured value.
    virtual std::vector<std::string> expectedColumnsIn(int language) const = 0;
    // What the channel needs sent after its gain and offset.
    virtual bool writeExtra() { return true; }

private:
    int channelCount() const { return static_cast<int>(table().inputs.size()); }
    Captions captionsIn(int language) const;
    // Reads the gains and offsets at opening; false when a read failed.
    bool readCalibration();
    // False when the device did not answer.
    bool readLive();
    void showLive();
    // The channel's live reading in its unit; nothing when none was received.
    std::optional<double> liveValue() const;
    // Sends a float pair, queued; shows the failure message itself.
    bool writePair(int first, double value);
    void fitPoints();
    void step(int direction);
    void loadPoints();
    void storePoints();
    void refresh();
    bool save();
    bool changed() const;

    Ui& ui_;
    DeviceLink* comm_ = nullptr;
    int language_ = 0;
    int channel_ = 0;
    std::vector<double> x_;
    std::vector<double> y_;
    LineFit fit_;
    LineFitTexts fitTexts_;
    std::string measuredText_ = "0.0";
    std::string expectedText_ = "0.0";
    std::string channelName_;
    std::string deviceCalibration_;
    std::string liveReading_;
    bool liveFresh_ = false;
    bool liveUnanswered_ = false;
    LocalDateTime lastLive_;
    std::vector<std::vector<std::string>> rows_;
    Captions captions_;
};
