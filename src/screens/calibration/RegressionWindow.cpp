#include "screens/calibration/RegressionWindow.h"

#include "app/Ui.h"
#include "device/DeviceLink.h"
#include "screens/calibration/CalibrationRegisters.h"
#include "screens/calibration/CalibrationTexts.h"
#include "settings/CalibrationStore.h"
#include "settings/DecimalParse.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string fixed(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace

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
    setLanguage(language);
    if (!readCalibration() || !comm.flushQueuedReads())
        ui_.showMessage(MessageKind::Error, calibration::ReadError.in(language_));
    loadPoints();
    refresh();
}

void RegressionWindow::loadPoints()
{
    std::string error;
    if (!LoadCalibration(comm_->image().SerialNumber(), &error))
        ui_.showMessage(MessageKind::Error, error);
    const CalibrationCurve& c = curve();
    // A count beyond the record's 40 pairs is not taken as a number of points.
    const int n = std::clamp(c.PointCount, 0, CalibrationCurve::kMaxPoints);
    x_.assign(c.X.begin(), c.X.begin() + n);
    y_.assign(c.Y.begin(), c.Y.begin() + n);
    fit_ = fitLine(x_, y_, fit_);
    fitTexts_ = lineFitTexts(fit_);
}

void RegressionWindow::storePoints()
{
    CalibrationCurve& c = curve();
    c.PointCount = static_cast<int>(x_.size());
    for (std::size_t i = 0; i < x_.size(); ++i) {
        c.X[i] = static_cast<float>(x_[i]);
        c.Y[i] = static_cast<float>(y_[i]);
    }
    c.Gain = static_cast<float>(fit_.a);
    c.Offset = static_cast<float>(fit_.b);
    std::string error;
    if (!SaveCalibration(comm_->image().SerialNumber(), &error))
        ui_.showMessage(MessageKind::Error, error);
}

std::vector<std::string> RegressionWindow::rowTexts(int i) const
{
    const auto k = static_cast<std::size_t>(i);
    return {std::to_string(i + 1), fixed("%.3f", x_[k]), fixed("%.3f", y_[k])};
}

void RegressionWindow::refresh()
{
    deviceCalibration_ = currentCalibrationText(*comm_, gainRegister(), offsetRegister(), language_);
    channelName_ = channelLabel();
    rows_.clear();
    for (int i = 0; i < static_cast<int>(x_.size()); ++i)
        rows_.push_back(rowTexts(i));
}

void RegressionWindow::tick()
{
    if (comm_ == nullptr || !comm_->connected() || comm_->busy())
        return;
    readLive();
    liveReading_ = liveText();
}

void RegressionWindow::copyMeasurementClicked()
{
    if (comm_ == nullptr)
        return;
    const std::string value = liveMeasured();
    if (!value.empty())
        measuredText_ = value;
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
    fit_ = fitLine(x_, y_, fit_);
    fitTexts_ = lineFitTexts(fit_);
    refresh();
    storePoints();
}

void RegressionWindow::removePointClicked(int row)
{
    if (comm_ == nullptr)
        return;
    if (row < 1 || row > static_cast<int>(x_.size())) {
        ui_.showMessage(MessageKind::Error, calibration::SelectRowToRemove.in(language_));
        return;
    }
    x_.erase(x_.begin() + (row - 1));
    y_.erase(y_.begin() + (row - 1));
    fit_ = fitLine(x_, y_, fit_);
    fitTexts_ = lineFitTexts(fit_);
    refresh();
}

bool RegressionWindow::readGainsAndOffsets(int gainFirst, int offsetFirst, int count)
{
    bool ok = true;
    for (const int first : {gainFirst, offsetFirst}) {
        // A busy or noisy line gets a second chance.
        if (!comm().readRegisters(first, count, true) && !comm().readRegisters(first, count, true))
            ok = false;
    }
    return ok;
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
    // The offset only follows a gain the device took.
    if (!writePair(gainRegister(), fit_.a))
        return false;
    bool ok = writePair(offsetRegister(), fit_.b);
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
    const std::optional<float> g = readFloatPair(*comm_, gainRegister());
    const std::optional<float> o = readFloatPair(*comm_, offsetRegister());
    // A device value never read cannot match the fit.
    if (!g || !o)
        return !(fit_.a == 1.0 && fit_.b == 0.0);
    return calibrationChanged(fit_.a, fit_.b, *g, *o);
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
}

bool RegressionWindow::closeRequested()
{
    if (comm_ == nullptr || !changed())
        return true;
    if (!ui_.ask(MessageKind::Warning, calibration::SaveQuestion.in(language_)))
        return true;
    return save();
}
