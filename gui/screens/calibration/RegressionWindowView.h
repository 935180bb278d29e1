#pragma once

#include "gui/app/LogicDialog.h"
#include "gui/screens/calibration/FitArea.h"

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class RegressionWindow;
class RtdRegressionWindow;
class ValueGrid;

// The regression windows (RTD inputs, current inputs): the channel, the measured and
// expected values, the point list beside its plot, the fit and the live reading.
// The RTD window adds the unit of the expected value.
class RegressionWindowView final : public LogicDialog {
    Q_OBJECT
public:
    RegressionWindowView(RegressionWindow& logic, RtdRegressionWindow* rtd, QWidget* parent);

    void render() override;

protected:
    void reject() override;

private:
    template <typename F>
    void handle(F&& f);

    RegressionWindow& logic_;
    RtdRegressionWindow* rtd_;
    QPushButton* previousChannelButton_ = nullptr;
    QPushButton* nextChannelButton_ = nullptr;
    QLabel* channelPanel_ = nullptr;
    QLabel* measuredLabel_ = nullptr;
    QLabel* expectedLabel_ = nullptr;
    QLineEdit* measuredEdit_ = nullptr;
    QLineEdit* expectedEdit_ = nullptr;
    QComboBox* unitCombo_ = nullptr;
    QPushButton* copyMeasurementButton_ = nullptr;
    QLabel* liveReadingPanel_ = nullptr;
    QLabel* liveMarkerLabel_ = nullptr;
    QPushButton* addPointButton_ = nullptr;
    QPushButton* removePointButton_ = nullptr;
    ValueGrid* valueGrid_ = nullptr;
    std::optional<FitArea> fitArea_;
    QLabel* deviceCalibrationPanel_ = nullptr;
    QPushButton* saveCalibrationButton_ = nullptr;
    QTimer* refreshTimer_ = nullptr;
};
