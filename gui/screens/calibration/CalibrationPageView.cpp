#include "gui/screens/calibration/CalibrationPageView.h"

#include "gui/app/ApplyEdit.h"
#include "gui/app/DecimalSeparator.h"
#include "gui/app/RadioGroupBox.h"
#include "gui/app/WidgetText.h"
#include "gui/screens/thermal/ValueTestWindowView.h"
#include "screens/calibration/CalibrationPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CalibrationPageView::CalibrationPageView(CalibrationPage& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("CalibrationPageView");
    logic_.setDecimalSeparator(systemDecimalSeparator());
    QVBoxLayout* layout = addBackground();
    QWidget* backgroundPanel = background();
    auto* columns = new QHBoxLayout;

    auto* left = new QVBoxLayout;
    testModeGroup_ = new RadioGroupBox("testModeGroup", 2, 2, backgroundPanel);
    connect(testModeGroup_, &RadioGroupBox::clicked, this,
            [this](int i) { handle([&] { logic_.testModeChosen(i); }); });
    left->addWidget(testModeGroup_);
    calibrationDisabledCheck_ = new QCheckBox(backgroundPanel);
    calibrationDisabledCheck_->setObjectName("calibrationDisabledCheck");
    connect(calibrationDisabledCheck_, &QCheckBox::clicked, this,
            [this](bool checked) { handle([&] { logic_.calibrationDisabledToggled(checked); }); });
    left->addWidget(calibrationDisabledCheck_);

    auto* grid = new QGridLayout;
    const auto label = [backgroundPanel](const char* name) {
        auto* l = new QLabel(backgroundPanel);
        l->setObjectName(name);
        return l;
    };
    outputCurrentLabel_ = label("outputCurrentLabel");
    resistor127Label_ = label("resistor127Label");
    serialNumberLabel_ = label("serialNumberLabel");
    outputCurrentEdit_ = edit("outputCurrentEdit", CalibrationPage::kOutputCurrentEdit);
    connect(outputCurrentEdit_, &QLineEdit::textEdited, this,
            [this](const QString& t) { logic_.setOutputCurrent(t.toStdString()); });
    resistor127Edit_ = edit("resistor127Edit", CalibrationPage::kResistor127Edit);
    connect(resistor127Edit_, &QLineEdit::textEdited, this, [this](const QString& t) { logic_.setResistor127(t.toStdString()); });
    serialNumberEdit_ = edit("serialNumberEdit", CalibrationPage::kSerialNumberEdit);
    connect(serialNumberEdit_, &QLineEdit::textEdited, this, [this](const QString& t) { logic_.setSerialNumber(t.toStdString()); });
    grid->addWidget(outputCurrentLabel_, 0, 0);
    grid->addWidget(outputCurrentEdit_, 0, 1);
    grid->addWidget(resistor127Label_, 1, 0);
    grid->addWidget(resistor127Edit_, 1, 1);
    grid->addWidget(serialNumberLabel_, 2, 0);
    grid->addWidget(serialNumberEdit_, 2, 1);
    left->addLayout(grid);
    parametersSizePanel_ = namedPanel("parametersSizePanel", backgroundPanel);
    left->addWidget(parametersSizePanel_);
    left->addStretch(1);
    columns->addLayout(left);

    auto* right = new QVBoxLayout;
    outputCalibrationButton_ = button("outputCalibrationButton");
    rtdTableButton_ = button("rtdTableButton");
    rtdRegressionButton_ = button("rtdRegressionButton");
    inputRegressionButton_ = button("inputRegressionButton");
    readTestParametersButton_ = button("readTestParametersButton");
    readLastErrorsButton_ = button("readLastErrorsButton");
    simulateMeasurementsButton_ = button("simulateMeasurementsButton");
    for (QPushButton* b : {outputCalibrationButton_, rtdTableButton_, rtdRegressionButton_, inputRegressionButton_,
                           readTestParametersButton_, readLastErrorsButton_, simulateMeasurementsButton_})
        right->addWidget(b);
    right->addStretch(1);
    columns->addLayout(right);
    layout->addLayout(columns);

    connect(outputCalibrationButton_, &QPushButton::clicked, this,
            [this] { handle([&] { logic_.outputCalibrationClicked(); }); });
    connect(rtdTableButton_, &QPushButton::clicked, this, [this] { handle([&] { logic_.rtdTableClicked(); }); });
    connect(rtdRegressionButton_, &QPushButton::clicked, this,
            [this] { handle([&] { logic_.rtdRegressionClicked(); }); });
    connect(inputRegressionButton_, &QPushButton::clicked, this,
            [this] { handle([&] { logic_.inputRegressionClicked(); }); });
    connect(readTestParametersButton_, &QPushButton::clicked, this,
            [this] { handle([&] { logic_.readTestParametersClicked(); }); });
    connect(readLastErrorsButton_, &QPushButton::clicked, this,
            [this] { handle([&] { logic_.readLastErrorsClicked(); }); });
    connect(simulateMeasurementsButton_, &QPushButton::clicked, this, [this] {
        if (!logic_.simulateMeasurementsClicked())
            return;
        if (valueTestView_.isNull())
            valueTestView_ = new ValueTestWindowView(logic_.valueTestWindow(), window());
        valueTestView_->showAt(this);
    });
    render();
}

// An edit that has the focus loses it while the page is destroyed: that must not
// reach the logic through a page that is no longer whole.
CalibrationPageView::~CalibrationPageView()
{
    for (ApplyEdit* e : {outputCurrentEdit_, resistor127Edit_, serialNumberEdit_})
        e->disconnect(this);
}

template <typename F>
void CalibrationPageView::handle(F&& f)
{
    f();
    render();
}

ApplyEdit* CalibrationPageView::edit(const char* name, int focus)
{
    auto* e = new ApplyEdit(name, background());
    e->setMaximumWidth(110);
    connect(e, &ApplyEdit::focusChanged, this, [this, focus](bool in) {
        logic_.setFocus(in ? static_cast<CalibrationPage::Focus>(focus) : CalibrationPage::kNoFocus);
    });
    connect(e, &ApplyEdit::applied, this, [this] { handle([&] { logic_.editLeft(); }); });
    return e;
}

QPushButton* CalibrationPageView::button(const char* name)
{
    auto* b = new QPushButton(background());
    b->setObjectName(name);
    b->setMinimumWidth(240);
    return b;
}

void CalibrationPageView::render()
{
    const CalibrationPageCaptions& c = logic_.captions();
    const CalibrationPageState& s = logic_.state();
    testModeGroup_->setTexts(c.testMode, {c.testModeOff, c.testModeOn});
    testModeGroup_->select(s.testMode);
    calibrationDisabledCheck_->setText(qs(c.calibrationDisabled));
    calibrationDisabledCheck_->setChecked(s.calibrationDisabled);
    outputCurrentLabel_->setText(qs(s.outputCurrentLabel));
    resistor127Label_->setText(qs(c.resistor127Label));
    serialNumberLabel_->setText(qs(c.serialNumberLabel));
    setEditText(outputCurrentEdit_, s.outputCurrent);
    setEditText(resistor127Edit_, s.resistor127);
    setEditText(serialNumberEdit_, s.serialNumber);
    parametersSizePanel_->setText(qs(s.parametersSize));
    outputCalibrationButton_->setText(qs(c.outputCalibration));
    rtdTableButton_->setText(qs(c.rtdTable));
    rtdRegressionButton_->setText(qs(c.rtdRegression));
    inputRegressionButton_->setText(qs(c.inputRegression));
    readTestParametersButton_->setText(qs(c.readTestParameters));
    readLastErrorsButton_->setText(qs(c.readLastErrors));
    simulateMeasurementsButton_->setText(qs(c.simulateMeasurements));
    if (!valueTestView_.isNull() && valueTestView_->isVisible())
        valueTestView_->render();
}
