#include "screens/calibration/RegressionWindow.h"

#include "app/Ui.h"
#include "device/DeviceLink.h"
#include "screens/calibration/CalibrationNumber.h"
#include "screens/calibration/CalibrationRegisters.h"
#include "screens/calibration/CalibrationTexts.h"
#include "screens/calibration/CurvePoints.h"
#include "screens/common/GeneralPageTexts.h"
#include "settings/CalibrationStore.h"
#include "settings/DecimalParse.h"

#include <algorithm>
#include <cstdio>

RegressionWindow::RegressionWindow(Ui& ui)
    : Dialog({10, -10})
    , ui_(ui)
{
}

void RegressionWindow::setLanguage(int language)
{
    language_ = ValidLanguage(language);
    captions_ = captionsIn(language_);
    if (comm_ != nullptr)
        refresh();
}

void RegressionWindow::open(DeviceLink& comm, int language)
{
    comm_ = &comm;
    channel_ = 0;
    liveFresh_ = false;
    liveUnanswered_ = false;
    liveReading_.clear();
    lastLive_ = LocalNow();
    setLanguage(language);
    if (!readCalibration() || !comm.flushQueuedReads())
        ui_.showMessage(MessageKind::Error, calibration::ReadError.in(language_));
    loadPoints();
    refresh();
}

RegressionWindow::Captions RegressionWindow::captionsIn(int l) const
{
    Captions c{
        titleIn(l),
        calibration::Next.in(l),
        calibration::Previous.in(l),
        calibration::MeasuredLabel.in(l),
        calibration::ExpectedLabel.in(l),
        calibration::Add.in(l),
        calibration::Remove.in(l),
        calibration::CopyMeasurement.in(l),
        calibration::SaveCalibration.in(l),
        {"", calibration::Measured.in(l)},
    };
    for (std::string& column : expectedColumnsIn(l))
        c.header.push_back(std::move(column));
    return c;
}

const CalibratedInput& RegressionWindow::current() const
{
    return table().inputs[static_cast<std::size_t>(channel_)];
}

bool RegressionWindow::readCalibration()
{
    const InputTable t = table();
    const GainOffsetRegisters first = t.inputs.front().calibration;
    bool ok = true;
    for (const int block : {first.gain, first.offset}) {
        // A busy or noisy line gets a second chance.
        if (!comm_->readRegisters(block, t.pairRegisters, true) &&
            !comm_->readRegisters(block, t.pairRegisters, true))
            ok = false;
    }
    return ok;
}

bool RegressionWindow::readLive()
{
    const InputTable t = table();
    const bool read =
        comm_->readRegisters(t.inputs.front().reading, t.readingRegisters, true, CalibrationRegisters::kLiveReadTimeout);
    return comm_->flushQueuedReads(CalibrationRegisters::kLiveReadTimeout) && read;
}

std::optional<double> RegressionWindow::liveValue() const
{
    const CalibratedInput& c = current();
    if (!comm_->received(c.reading))
        return std::nullopt;
    return comm_->registerValue(c.reading) / CalibrationRegisters::readingScale(c.unit);
}

void RegressionWindow::fitPoints()
{
    fit_ = fitLine(x_, y_, fit_);
    fitTexts_ = lineFitTexts(fit_);
}

void RegressionWindow::loadPoints()
{
    std::string error;
    if (!LoadCalibration(comm_->image().SerialNumber(), &error))
        ui_.showMessage(MessageKind::Error, error);
    curvePoints(curve(), x_, y_);
    fitPoints();
}

void RegressionWindow::storePoints()
{
    storeCurvePoints(curve(), x_, y_, fit_, comm_->image().SerialNumber(), ui_);
}

std::vector<std::string> RegressionWindow::rowTexts(int i) const
{
    const auto k = static_cast<std::size_t>(i);
    return {std::to_string(i + 1), calibrationNumber("%.3f", x_[k]), calibrationNumber("%.3f", y_[k])};
}

void RegressionWindow::refresh()
{
    deviceCalibration_ = currentCalibrationText(*comm_, current().calibration, language_);
    channelName_ = channelLabel();
    rows_.clear();
    for (int i = 0; i < static_cast<int>(x_.size()); ++i)
        rows_.push_back(rowTexts(i));
}

void RegressionWindow::tick()
{
    if (comm_ == nullptr || comm_->busy())
        return;
    liveFresh_ = comm_->connected() && readLive();
    liveUnanswered_ = !liveFresh_;
    if (liveFresh_) {
        lastLive_ = LocalNow();
        showLive();
    }
}

// The channel's value from the last refresh; a stale one stays as it was shown.
void RegressionWindow::showLive()
{
    if (!liveFresh_)
        return;
    const std::optional<double> value = liveValue();
    liveReading_ = value ? liveText(*value) : std::string();
}

std::string RegressionWindow::liveMarker() const
{
    if (!liveUnanswered_)
        return {};
    char time[16];
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", lastLive_.hour % 100, lastLive_.minute % 100,
                  lastLive_.second % 100);
    return general::NoAnswerSince.in(language_) + time;
}

void RegressionWindow::copyMeasurementClicked()
{
    if (comm_ == nullptr || !liveFresh_)
        return;
    const std::optional<double> value = liveValue();
    if (value)
        measuredText_ = liveMeasured(*value);
}

void RegressionWindow::addPointClicked()
{
    if (comm_ == nullptr)
        return;
    if (static_cast<int>(x_.size()) >= kAddLimit) {
        ui_.showMessage(MessageKind::Error, calibration::MaxPointsReached.in(language_));
        return;
    }
    double measured = 0;
    if (!TryParseDouble(measuredText_, measured)) {
        ui_.showMessage(MessageKind::Error, calibration::InvalidMeasured.in(language_));
        return;
    }
    double expected = 0;
    if (!TryParseDouble(expectedText_, expected)) {
        ui_.showMessage(MessageKind::Error, calibration::InvalidExpected.in(language_));
        return;
    }
    // Points are kept in single precision, as the record holds them.
    x_.push_back(static_cast<float>(measured));
    y_.push_back(static_cast<float>(expectedValue(expected)));
    fitPoints();
    refresh();
    storePoints();
}

void RegressionWindow::removePointClicked(int row)
{
    if (comm_ == nullptr)
        return;
    // Without points the grid still shows one empty row, which has nothing to remove.
    if (row < 1 || row > std::max(1, static_cast<int>(x_.size()))) {
        ui_.showMessage(MessageKind::Error, calibration::SelectRowToRemove.in(language_));
        return;
    }
    if (x_.empty())
        return;
    x_.erase(x_.begin() + (row - 1));
    y_.erase(y_.begin() + (row - 1));
    fitPoints();
    refresh();
}

bool RegressionWindow::writePair(int first, double value)
{
    if (writeFloatPair(*comm_, first, value, true))
        return true;
    ui_.showMessage(MessageKind::Error, calibration::SendError.in(language_));
    return false;
}

bool RegressionWindow::save()
{
    storePoints();
    const GainOffsetRegisters pairs = current().calibration;
    // The offset only follows a gain the device took.
    if (!writePair(pairs.gain, fit_.a))
        return false;
    bool ok = writePair(pairs.offset, fit_.b);
    ok = writeExtra() && ok;
    if (!comm_->flushQueuedWrites()) {
        ui_.showMessage(MessageKind::Error, calibration::SendError.in(language_));
        ok = false;
    }
    if (ok)
        ui_.showMessage(MessageKind::Information, calibration::Saved.in(language_));
    return ok;
}

bool RegressionWindow::saveCalibrationClicked()
{
    if (comm_ == nullptr)
        return false;
    const bool ok = save();
    refresh();
    return ok;
}

bool RegressionWindow::changed() const
{
    return fitDiffersFromDevice(*comm_, current().calibration, fit_);
}

void RegressionWindow::step(int direction)
{
    if (comm_ == nullptr)
        return;
    if (changed()) {
        const Ui::Answer answer = ui_.askYesNoCancel(MessageKind::Warning, calibration::SaveQuestion.in(language_));
        if (answer == Ui::Answer::Cancel || (answer == Ui::Answer::Yes && !save()))
            return;
    }
    const int count = channelCount();
    channel_ = ((channel_ + direction) % count + count) % count;
    captions_ = captionsIn(language_);
    loadPoints();
    refresh();
    // The new channel was read with the others; a stale reading waits for the next answer.
    if (liveFresh_)
        showLive();
    else
        liveReading_.clear();
}

bool RegressionWindow::closeRequested()
{
    if (comm_ == nullptr || !changed())
        return true;
    if (!ui_.ask(MessageKind::Warning, calibration::SaveQuestion.in(language_)))
        return true;
    return save();
}
