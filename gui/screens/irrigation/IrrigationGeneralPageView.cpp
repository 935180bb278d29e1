#include "gui/screens/irrigation/IrrigationGeneralPageView.h"

#include "gui/app/ApplyEdit.h"
#include "gui/app/DecimalSeparator.h"
#include "gui/app/RadioGroupBox.h"
#include "gui/app/WidgetText.h"
#include "gui/screens/common/GeneralPageWidgets.h"
#include "gui/screens/common/MeasureGrid.h"
#include "gui/screens/common/RelayStrip.h"
#include "screens/irrigation/IrrigationGeneralPage.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// Lamps 1, 7, 8, 9 and 10 carry fixed labels; 2..6 the branch names.
constexpr std::array<int, 5> kLabelledLamps{0, 6, 7, 8, 9};
using Command = IrrigationGeneralPage::Command;
constexpr std::array<Command, 4> kCommands{Command::ResetHydrometer, Command::ResetPluviometer, Command::UnblockSystem,
                                           Command::Emergency};
constexpr std::array<const char*, 4> kCommandNames{"resetHydrometerButton", "resetPluviometerButton",
                                                   "unblockSystemButton", "emergencyButton"};
} // namespace

IrrigationGeneralPageView::IrrigationGeneralPageView(IrrigationGeneralPage& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("IrrigationGeneralPageView");
    logic_.setDecimalSeparator(systemDecimalSeparator());
    QVBoxLayout* layout = addBackground();
    QWidget* backgroundPanel = background();
    general_ = new GeneralPageWidgets(logic_, *this, backgroundPanel);
    layout->addLayout(general_->topRow());

    auto* middle = new QHBoxLayout;
    measurementGrid_ = new MeasureGrid(
        "measurementGrid", {.rows = 10, .rowHeight = 20, .nameWidth = 150, .valueWidth = 470}, backgroundPanel);
    middle->addWidget(measurementGrid_, 0, Qt::AlignTop);
    middle->addWidget(buildCommands(backgroundPanel), 0, Qt::AlignTop);
    middle->addStretch(1);
    layout->addLayout(middle);
    layout->addWidget(buildRelays(backgroundPanel));
    layout->addStretch(1);
    render();
}

QWidget* IrrigationGeneralPageView::buildCommands(QWidget* parent)
{
    auto* column = new QWidget(parent);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    deviceLanguageGroup_ =
        general_->radioGroup("deviceLanguageGroup", 3, 1, column, [this](int i) { logic_.deviceLanguageChosen(i); });
    layout->addWidget(deviceLanguageGroup_);
    manualOperationButton_ =
        general_->button("manualOperationButton", column, [this] { logic_.manualOperationClicked(); });
    layout->addWidget(manualOperationButton_);
    for (std::size_t i = 0; i < commands_.size(); ++i) {
        const Command command = kCommands[i];
        commands_[i] = general_->button(kCommandNames[i], column, [this, command] { logic_.commandClicked(command); });
        layout->addWidget(commands_[i]);
    }
    return column;
}

RelayStrip* IrrigationGeneralPageView::buildRelays(QWidget* parent)
{
    relays_ = new RelayStrip(10, parent);
    for (const int lamp : kLabelledLamps)
        relays_->addLabel(lamp);
    for (int i = 0; i < static_cast<int>(branchNameEdits_.size()); ++i) {
        const QByteArray name = QString("branchNameEdit%1").arg(i + 1).toLatin1();
        auto* edit = new ApplyEdit(name.constData(), parent);
        edit->setAlignment(Qt::AlignCenter);
        edit->setMaximumWidth(80);
        connect(edit, &QLineEdit::textEdited, this, [this, i](const QString& text) { logic_.setBranchName(i, text.toStdString()); });
        connect(edit, &ApplyEdit::focusChanged, this,
                [this, i](bool in) { logic_.setFocusedEdit(in ? i : IrrigationGeneralPage::kNoFocus); });
        connect(edit, &ApplyEdit::applied, this, [this] { general_->handle([this] { logic_.branchNameLeft(); }); });
        relays_->placeUnder(i + 1, edit);
        branchNameEdits_[static_cast<std::size_t>(i)] = edit;
    }
    return relays_;
}

QTimer* IrrigationGeneralPageView::refreshTimer() const { return general_->refreshTimer(); }

void IrrigationGeneralPageView::render()
{
    general_->render();
    const IrrigationGeneralPageCaptions& c = logic_.captions();
    const IrrigationGeneralPageState& s = logic_.state();
    measurementGrid_->setRows(c.measurementRows, s.measurements);
    // Values of the last answered refresh are drawn greyed while the device is silent.
    measurementGrid_->setEnabled(!general_->stale());
    showChoices(deviceLanguageGroup_, c.deviceLanguage, c.deviceLanguageItems, s.deviceLanguage);
    manualOperationButton_->setText(qs(c.manualOperationButton));
    const std::array<const std::string*, 4> commandCaptions{&c.resetHydrometerButton, &c.resetPluviometerButton,
                                                            &c.unblockSystemButton, &c.emergencyButton};
    for (std::size_t i = 0; i < commands_.size(); ++i)
        commands_[i]->setText(qs(*commandCaptions[i]));
    relays_->setRelays(s.relays);
    relays_->setLabels(c.lampLabels);
    relays_->setLabelsVisible(s.labelsVisible);
    for (std::size_t i = 0; i < branchNameEdits_.size(); ++i) {
        setEditText(branchNameEdits_[i], s.branchNames[i]);
        branchNameEdits_[i]->setEnabled(s.branchNamesEnabled);
        branchNameEdits_[i]->setVisible(s.labelsVisible);
    }
}
