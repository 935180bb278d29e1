#include "gui/screens/irrigation/IrrigationSettingsPageView.h"

#include "gui/app/ApplyEdit.h"
#include "gui/app/DecimalSeparator.h"
#include "gui/app/RadioGroupBox.h"
#include "gui/app/WidgetText.h"
#include "screens/irrigation/IrrigationSettingsPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr const char* kIrrEditStems[] = {"startHour",
                                         "startMinute",
                                         "duration",
                                         "maxHydrometer",
                                         "manualDuration",
                                         "pressureFullScale",
                                         "maxPressure",
                                         "minPressure",
                                         "maxPressureTimer",
                                         "minPressureTimer",
                                         "hydrometerFactor",
                                         "pluviometerFactor",
                                         "maxPluviometer",
                                         "pluviometerPeriod"};
constexpr const char* kIrrCheckNames[] = {"branch1Check",          "branch2Check",           "branch3Check",
                                          "branch4Check",          "branch5Check",           "blockIfExceededCheck",
                                          "hydrometerEnabledCheck", "pluviometerEnabledCheck", "pt100EnabledCheck"};
constexpr const char* kIrrRadioNames[] = {"valvesEnabledGroup", "pressureSensorGroup", "operationModeGroup",
                                          "waterSensorGroup", "pressureSwitchGroup"};
constexpr int kIrrEditWidth = 60;

QString named(const char* suffix, const char* stem)
{
    return QString(stem) + suffix;
}

} // namespace

IrrigationSettingsPageView::IrrigationSettingsPageView(IrrigationSettingsPage& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("IrrigationSettingsPageView");
    logic_.setDecimalSeparator(systemDecimalSeparator());
    QVBoxLayout* layout = addBackground();

    // The cycle: which one, its start, duration and branches, and the consumption limit.
    QGroupBox* cycleBox = group(0, "cycleBox");
    auto* cycleGrid = new QGridLayout(cycleBox);
    cycleCombo_ = new QComboBox(cycleBox);
    cycleCombo_->setObjectName("cycleCombo");
    connect(cycleCombo_, &QComboBox::activated, this, [this](int index) {
        logic_.cycleChosen(index);
        render();
    });
    cycleGrid->addWidget(cycleCombo_, 0, 0);
    auto* start = new QHBoxLayout;
    start->addWidget(makeEdit(IrrEdit::StartHour, cycleBox));
    start->addWidget(new QLabel(":", cycleBox));
    start->addWidget(makeEdit(IrrEdit::StartMinute, cycleBox));
    start->addStretch(1);
    QLabel* startLabel = labels_[static_cast<std::size_t>(IrrEdit::StartHour)] = new QLabel(cycleBox);
    startLabel->setObjectName("startLabel");
    cycleGrid->addWidget(startLabel, 1, 0);
    cycleGrid->addLayout(start, 1, 1, 1, 2);
    addEditRow(cycleGrid, IrrEdit::Duration);
    auto* branches = new QHBoxLayout;
    for (int b = 0; b < kIrrBranchCount; ++b)
        branches->addWidget(makeCheck(static_cast<IrrCheck>(b), cycleBox));
    cycleGrid->addLayout(branches, cycleGrid->rowCount(), 0, 1, 3);
    addEditRow(cycleGrid, IrrEdit::MaxHydrometer);
    cycleGrid->addWidget(makeCheck(IrrCheck::BlockOnConsumption, cycleBox), cycleGrid->rowCount(), 0, 1, 3);

    QGroupBox* generalBox = group(1, "generalBox");
    auto* generalGrid = new QGridLayout(generalBox);
    generalGrid->addWidget(makeRadio(IrrRadio::BranchesEnabled, generalBox), 0, 0, 1, 3);
    addEditRow(generalGrid, IrrEdit::ManualDuration);

    QGroupBox* pumpBox = group(2, "pumpBox");
    auto* pumpGrid = new QGridLayout(pumpBox);
    pumpGrid->addWidget(makeRadio(IrrRadio::PressureSensor, pumpBox), 0, 0, 1, 3);
    for (IrrEdit e : {IrrEdit::PressureFullScale, IrrEdit::MaxPressure, IrrEdit::MinPressure,
                      IrrEdit::MaxPressureTimer, IrrEdit::MinPressureTimer})
        addEditRow(pumpGrid, e);

    QGroupBox* sensorsBox = group(3, "sensorsBox");
    auto* sensors = new QGridLayout(sensorsBox);
    sensors->addWidget(makeRadio(IrrRadio::OperationMode, sensorsBox), 0, 0, 1, 3);
    for (IrrEdit e : {IrrEdit::HydrometerFactor, IrrEdit::PluviometerFactor, IrrEdit::MaxPluviometer,
                      IrrEdit::PluviometerPeriod})
        addEditRow(sensors, e);
    for (IrrCheck c : {IrrCheck::HydrometerEnabled, IrrCheck::PluviometerEnabled, IrrCheck::Pt100Enabled})
        sensors->addWidget(makeCheck(c, sensorsBox), sensors->rowCount(), 0, 1, 3);
    auto* inverts = new QHBoxLayout;
    inverts->addWidget(makeRadio(IrrRadio::WaterSensor, sensorsBox));
    inverts->addWidget(makeRadio(IrrRadio::PressureSwitch, sensorsBox));
    sensors->addLayout(inverts, sensors->rowCount(), 0, 1, 3);

    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(cycleBox);
    left->addWidget(generalBox);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(pumpBox);
    right->addWidget(sensorsBox);
    right->addStretch(1);
    columns->addLayout(left);
    columns->addLayout(right);
    columns->addStretch(1);
    layout->addLayout(columns);
    layout->addStretch(1);
    render();
}

// An edit loses the focus while the page is destroyed: that must not reach the logic
// through a page that is no longer whole.
IrrigationSettingsPageView::~IrrigationSettingsPageView()
{
    for (ApplyEdit* e : edits_)
        e->disconnect(this);
}

QGroupBox* IrrigationSettingsPageView::group(int index, const char* name)
{
    auto* box = new QGroupBox(background());
    box->setObjectName(name);
    groups_[static_cast<std::size_t>(index)] = box;
    return box;
}

void IrrigationSettingsPageView::addEditRow(QGridLayout* grid, IrrEdit edit)
{
    const int row = grid->rowCount();
    QWidget* box = grid->parentWidget();
    const auto e = static_cast<std::size_t>(edit);
    labels_[e] = new QLabel(box);
    labels_[e]->setObjectName(named("Label", kIrrEditStems[e]));
    grid->addWidget(labels_[e], row, 0);
    grid->addWidget(makeEdit(edit, box), row, 1);
    units_[e] = new QLabel(box);
    units_[e]->setObjectName(named("UnitLabel", kIrrEditStems[e]));
    grid->addWidget(units_[e], row, 2);
}

ApplyEdit* IrrigationSettingsPageView::makeEdit(IrrEdit edit, QWidget* parent)
{
    const auto e = static_cast<std::size_t>(edit);
    const QByteArray name = named("Edit", kIrrEditStems[e]).toLatin1();
    auto* ed = new ApplyEdit(name.constData(), background());
    ed->setParent(parent);
    ed->setFixedWidth(kIrrEditWidth);
    connect(ed, &QLineEdit::textEdited, this, [this, edit](const QString& text) { logic_.setEdit(edit, text.toStdString()); });
    // The text as it stands when the edit is left is what goes out, even if a redraw
    // during the typing kept the edit from following the device. The send waits for
    // the device while the window runs; queued, it runs after the event that took the
    // focus (a press on a box) has reached its widget, so that click is not lost.
    connect(
        ed, &ApplyEdit::applied, this,
        [this, edit, ed] {
            logic_.setEdit(edit, ed->text().toStdString());
            logic_.editLeft();
            render();
        },
        Qt::QueuedConnection);
    edits_[e] = ed;
    return ed;
}

QCheckBox* IrrigationSettingsPageView::makeCheck(IrrCheck box, QWidget* parent)
{
    const auto c = static_cast<std::size_t>(box);
    auto* check = new QCheckBox(parent);
    check->setObjectName(kIrrCheckNames[c]);
    connect(check, &QCheckBox::clicked, this, [this, box](bool checked) {
        background()->setFocus();
        logic_.checkToggled(box, checked);
        render();
    });
    checks_[c] = check;
    return check;
}

RadioGroupBox* IrrigationSettingsPageView::makeRadio(IrrRadio group, QWidget* parent)
{
    const auto r = static_cast<std::size_t>(group);
    auto* radio = new RadioGroupBox(kIrrRadioNames[r], 2, 2, parent);
    connect(radio, &RadioGroupBox::clicked, this, [this, group](int index) {
        background()->setFocus();
        logic_.radioChosen(group, index);
        render();
    });
    radios_[r] = radio;
    return radio;
}

void IrrigationSettingsPageView::render()
{
    const IrrigationSettingsPageCaptions& c = logic_.captions();
    const IrrigationSettingsPageState& s = logic_.state();
    for (std::size_t g = 0; g < groups_.size(); ++g)
        groups_[g]->setTitle(qs(c.groups[g]));
    for (std::size_t i = 0; i < c.cycleItems.size(); ++i) {
        if (cycleCombo_->count() <= static_cast<int>(i))
            cycleCombo_->addItem(qs(c.cycleItems[i]));
    }
    cycleCombo_->setCurrentIndex(s.cycle);
    for (std::size_t e = 0; e < edits_.size(); ++e) {
        // The minutes share the start's label and have no unit.
        if (labels_[e] != nullptr)
            labels_[e]->setText(qs(c.labels[e]));
        if (units_[e] != nullptr)
            units_[e]->setText(qs(c.units[e]));
        setEditText(edits_[e], s.edits[e]);
    }
    for (std::size_t b = 0; b < checks_.size(); ++b) {
        checks_[b]->setText(qs(c.checks[b]));
        // A box whose register never came on this link is shown neither way.
        if (s.checks[b] == IrrigationSettingsPageState::kUnknown) {
            checks_[b]->setCheckState(Qt::PartiallyChecked);
        } else {
            checks_[b]->setTristate(false);
            checks_[b]->setChecked(s.checks[b] == 1);
        }
    }
    for (std::size_t r = 0; r < radios_.size(); ++r) {
        radios_[r]->setTexts(c.radioTitles[r], {c.radioItems[r].begin(), c.radioItems[r].end()});
        radios_[r]->select(s.radios[r]);
    }
}
