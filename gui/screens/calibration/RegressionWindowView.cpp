#include "gui/screens/calibration/RegressionWindowView.h"

#include "gui/app/WidgetText.h"
#include "gui/screens/calibration/ValueGrid.h"
#include "screens/calibration/RtdRegressionWindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

RegressionWindowView::RegressionWindowView(RegressionWindow& logic, RtdRegressionWindow* rtd,
                                           QWidget* parent)
    : LogicDialog(logic, parent)
    , logic_(logic)
    , rtd_(rtd)
{
    setObjectName("RegressionWindowView");
    const RegressionWindow::Captions& c = logic_.captions();
    auto* layout = new QVBoxLayout(this);

    auto* channel = new QHBoxLayout;
    previousChannelButton_ = makeButton(c.previousChannel, "previousChannelButton",
                                        [this] { handle([&] { logic_.previousChannelClicked(); }); });
    channelPanel_ = namedPanel("channelPanel", this);
    channelPanel_->setAlignment(Qt::AlignCenter);
    nextChannelButton_ =
        makeButton(c.nextChannel, "nextChannelButton", [this] { handle([&] { logic_.nextChannelClicked(); }); });
    channel->addWidget(previousChannelButton_);
    channel->addWidget(channelPanel_, 1);
    channel->addWidget(nextChannelButton_);
    layout->addLayout(channel);

    auto* entry = new QGridLayout;
    measuredLabel_ = new QLabel(this);
    measuredEdit_ = namedEdit("measuredEdit", this);
    forwardEdits(measuredEdit_, [this](const std::string& t) { logic_.setMeasuredText(t); });
    copyMeasurementButton_ = makeButton(c.copyMeasurement, "copyMeasurementButton",
                                        [this] { handle([&] { logic_.copyMeasurementClicked(); }); });
    liveReadingPanel_ = namedPanel("liveReadingPanel", this);
    liveReadingPanel_->setMinimumWidth(200);
    // As on the general pages: a reading the device did not answer is greyed and says so.
    liveMarkerLabel_ = new QLabel(this);
    liveMarkerLabel_->setObjectName("liveMarkerLabel");
    liveMarkerLabel_->setStyleSheet("color: #B00000; font-weight: bold;");
    expectedLabel_ = new QLabel(this);
    expectedEdit_ = namedEdit("expectedEdit", this);
    forwardEdits(expectedEdit_, [this](const std::string& t) { logic_.setExpectedText(t); });
    entry->addWidget(measuredLabel_, 0, 0);
    entry->addWidget(measuredEdit_, 0, 1);
    entry->addWidget(copyMeasurementButton_, 0, 2);
    entry->addWidget(liveReadingPanel_, 0, 3);
    entry->addWidget(liveMarkerLabel_, 1, 3);
    entry->addWidget(expectedLabel_, 1, 0);
    entry->addWidget(expectedEdit_, 1, 1);
    if (rtd_ != nullptr) {
        unitCombo_ = new QComboBox(this);
        unitCombo_->setObjectName("unitCombo");
        unitCombo_->addItems({"ohms", "ºC"});
        connect(unitCombo_, &QComboBox::activated, this, [this](int i) { rtd_->unitChosen(i); });
        entry->addWidget(unitCombo_, 1, 2);
    }
    layout->addLayout(entry);

    auto* edit = new QHBoxLayout;
    addPointButton_ = makeButton(c.addPoint, "addPointButton", [this] { handle([&] { logic_.addPointClicked(); }); });
    removePointButton_ = makeButton(c.removePoint, "removePointButton", [this] {
        handle([&] { logic_.removePointClicked(valueGrid_->currentRow() + 1); });
    });
    edit->addWidget(addPointButton_);
    edit->addWidget(removePointButton_);
    edit->addStretch(1);
    layout->addLayout(edit);

    // The point number, then the values.
    std::vector<int> widths(c.header.size(), 120);
    widths.front() = 30;
    const int valueColumns = static_cast<int>(widths.size()) - 1;
    valueGrid_ = new ValueGrid({.columnWidths = widths, .minimumWidth = 40 + 120 * valueColumns, .rowSelection = true},
                               this);
    fitArea_.emplace(layout, valueGrid_, this);
    auto* bottom = new QHBoxLayout;
    deviceCalibrationPanel_ = namedPanel("deviceCalibrationPanel", this);
    bottom->addWidget(deviceCalibrationPanel_, 1);
    saveCalibrationButton_ = makeButton(c.saveCalibration, "saveCalibrationButton",
                                        [this] { handle([&] { logic_.saveCalibrationClicked(); }); });
    bottom->addWidget(saveCalibrationButton_);
    layout->addLayout(bottom);

    refreshTimer_ = new QTimer(this);
    refreshTimer_->setInterval(800);
    connect(refreshTimer_, &QTimer::timeout, this, [this] { handle([&] { logic_.tick(); }); });
    refreshTimer_->start();
    resize(820, 520);
    render();
}

template <typename F>
void RegressionWindowView::handle(F&& f)
{
    f();
    render();
}

void RegressionWindowView::reject()
{
    if (logic_.closeRequested())
        LogicDialog::reject();
}

void RegressionWindowView::render()
{
    const RegressionWindow::Captions& c = logic_.captions();
    setWindowTitle(qs(c.caption));
    previousChannelButton_->setVisible(logic_.stepsVisible());
    nextChannelButton_->setVisible(logic_.stepsVisible());
    channelPanel_->setText(qs(logic_.channelName()));
    measuredLabel_->setText(qs(c.measuredLabel));
    expectedLabel_->setText(qs(c.expectedLabel));
    setEditText(measuredEdit_, logic_.measuredText());
    setEditText(expectedEdit_, logic_.expectedText());
    if (unitCombo_ != nullptr)
        unitCombo_->setCurrentIndex(rtd_->unit());
    liveReadingPanel_->setText(qs(logic_.liveReading()));
    liveReadingPanel_->setEnabled(!logic_.liveStale());
    liveMarkerLabel_->setText(qs(logic_.liveMarker()));
    copyMeasurementButton_->setEnabled(!logic_.liveStale());
    // A channel without points still shows one row, empty.
    if (logic_.rows().empty())
        valueGrid_->setTexts(c.header, {std::vector<std::string>(c.header.size())});
    else
        valueGrid_->setTexts(c.header, logic_.rows());
    fitArea_->setFit(logic_.xs(), logic_.ys(), logic_.fit(), logic_.fitTexts());
    deviceCalibrationPanel_->setText(qs(logic_.deviceCalibration()));
}
