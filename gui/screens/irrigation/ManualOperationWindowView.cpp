#include "gui/screens/irrigation/ManualOperationWindowView.h"

#include "gui/app/ApplyEdit.h"
#include "gui/app/WidgetText.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

ManualOperationWindowView::ManualOperationWindowView(ManualOperationWindow& logic, QWidget* parent)
    : LogicDialog(logic, parent)
    , logic_(logic)
    , backgroundPanel_(new QWidget(this))
    , refreshTimer_(new QTimer(this))
{
    const ManualOperationWindow::Captions& c = logic.captions();
    setWindowTitle(qs(c.caption));
    // Enter in the duration leaves the focus here.
    backgroundPanel_->setObjectName("backgroundPanel");
    backgroundPanel_->setFocusPolicy(Qt::ClickFocus);

    manualCycleBox_ = new QGroupBox(backgroundPanel_);
    manualCycleBox_->setObjectName("manualCycleBox");
    auto* branches = new QVBoxLayout;
    for (int k = 1; k <= ManualOperationWindow::kBranches; ++k) {
        const QByteArray name = QString("cycleBranchCheck%1").arg(k).toLatin1();
        cycleBranchChecks_[static_cast<std::size_t>(k - 1)] =
            box(name.constData(), manualCycleBox_, [this, k](bool on) { logic_.setCycleBranch(k, on); });
        branches->addWidget(cycleBranchChecks_[static_cast<std::size_t>(k - 1)]);
    }
    durationLabel_ = new QLabel(manualCycleBox_);
    durationLabel_->setObjectName("durationLabel");
    durationEdit_ = new ApplyEdit("durationEdit", backgroundPanel_);
    durationEdit_->setMaximumWidth(90);
    connect(durationEdit_, &QLineEdit::textEdited, this,
            [this](const QString& t) { logic_.setDuration(t.toStdString()); });
    connect(durationEdit_, &ApplyEdit::focusChanged, this, [this](bool in) { logic_.setDurationFocused(in); });
    connect(durationEdit_, &ApplyEdit::applied, this, [this] {
        logic_.controlChanged();
        render();
    });
    auto* cycle = new QVBoxLayout;
    cycle->addWidget(durationLabel_);
    cycle->addWidget(durationEdit_);
    cycle->addStretch(1);
    cycle->addWidget(makeButton(c.startCycleButton, "startCycleButton", [this] { logic_.startCycleClicked(); }));
    cycle->addWidget(
        makeButton(c.stopCycleButton, "stopCycleButton", [this] { logic_.stopCycleClicked(); }));
    auto* cycleRow = new QHBoxLayout(manualCycleBox_);
    cycleRow->addLayout(branches);
    cycleRow->addSpacing(16);
    cycleRow->addLayout(cycle);

    manualControlBox_ = new QGroupBox(backgroundPanel_);
    manualControlBox_->setObjectName("manualControlBox");
    auto* control = new QVBoxLayout(manualControlBox_);
    pumpCheck_ = box("pumpCheck", manualControlBox_, [this](bool on) { logic_.setPump(on); });
    control->addWidget(pumpCheck_);
    for (int k = 1; k <= ManualOperationWindow::kBranches; ++k) {
        const QByteArray name = QString("valveCheck%1").arg(k).toLatin1();
        valveChecks_[static_cast<std::size_t>(k - 1)] =
            box(name.constData(), manualControlBox_, [this, k](bool on) { logic_.setValve(k, on); });
        control->addWidget(valveChecks_[static_cast<std::size_t>(k - 1)]);
    }
    control->addStretch(1);

    auto* groups = new QHBoxLayout(backgroundPanel_);
    groups->addWidget(manualCycleBox_);
    groups->addWidget(manualControlBox_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(backgroundPanel_);

    refreshTimer_->setObjectName("refreshTimer");
    refreshTimer_->setInterval(ManualOperationWindow::kTimerInterval);
    connect(refreshTimer_, &QTimer::timeout, this, &ManualOperationWindowView::tick);
}

// A box's click: its new state, then what the window shows is sent.
QCheckBox* ManualOperationWindowView::box(const char* name, QWidget* parent, std::function<void(bool)> set)
{
    auto* b = new QCheckBox(parent);
    b->setObjectName(name);
    connect(b, &QCheckBox::clicked, this, [this, set = std::move(set)](bool on) {
        set(on);
        logic_.controlChanged();
        render();
    });
    return b;
}

void ManualOperationWindowView::tick()
{
    logic_.tick();
    render();
}

void ManualOperationWindowView::showEvent(QShowEvent* event)
{
    LogicDialog::showEvent(event);
    if (logic_.timerEnabled())
        refreshTimer_->start();
}

void ManualOperationWindowView::hideEvent(QHideEvent* event)
{
    refreshTimer_->stop();
    LogicDialog::hideEvent(event);
}

void ManualOperationWindowView::render()
{
    const ManualOperationWindow::Captions& c = logic_.captions();
    const ManualOperationWindow::State& s = logic_.state();
    manualCycleBox_->setTitle(qs(c.manualCycleBox));
    manualControlBox_->setTitle(qs(c.manualControlBox));
    durationLabel_->setText(qs(c.durationLabel));
    pumpCheck_->setText(qs(c.pump));
    pumpCheck_->setChecked(s.pump);
    pumpCheck_->setEnabled(s.controlEnabled);
    for (std::size_t k = 0; k < valveChecks_.size(); ++k) {
        cycleBranchChecks_[k]->setText(qs(c.branches[k]));
        cycleBranchChecks_[k]->setChecked(s.cycleBranches[k]);
        cycleBranchChecks_[k]->setEnabled(s.cycleEnabled);
        valveChecks_[k]->setText(qs(c.branches[k]));
        valveChecks_[k]->setChecked(s.valves[k]);
        valveChecks_[k]->setEnabled(s.controlEnabled);
    }
    setEditText(durationEdit_, s.duration);
}
