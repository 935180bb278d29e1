#include "gui/screens/regulator/RegulatorGeneralPageView.h"

#include "gui/app/DecimalSeparator.h"
#include "gui/app/RadioGroupBox.h"
#include "gui/app/WidgetText.h"
#include "gui/screens/common/GeneralPageWidgets.h"
#include "gui/screens/common/MeasureGrid.h"
#include "gui/screens/common/RelayStrip.h"
#include "screens/regulator/RegulatorGeneralPage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Row names and values, each column as wide as its longest text and at least 90 pixels.
MeasureGrid* contentsWideGrid(const char* name, QWidget* parent)
{
    auto* g = new MeasureGrid(
        name, {.rows = 9, .rowHeight = 20, .header = true, .valueAlignment = Qt::AlignRight | Qt::AlignVCenter},
        parent);
    g->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    g->horizontalHeader()->setMinimumSectionSize(90);
    g->horizontalHeader()->setStretchLastSection(true);
    return g;
}

void fillGrid(MeasureGrid* g, const std::string& header, std::span<const std::string> names,
              std::span<const std::string> values)
{
    g->setValueHeader(header);
    g->setRows(names, values);
    g->setFixedWidth(g->horizontalHeader()->length() + 2 * g->frameWidth());
}

} // namespace

RegulatorGeneralPageView::RegulatorGeneralPageView(RegulatorGeneralPage& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("RegulatorGeneralPageView");
    logic_.setDecimalSeparator(systemDecimalSeparator());
    QVBoxLayout* layout = addBackground();
    backgroundPanel_ = background();
    general_ = new GeneralPageWidgets(logic_, *this, backgroundPanel_);
    layout->addLayout(general_->topRow());
    layout->addWidget(buildSettings());
    layout->addWidget(buildGrids());
    layout->addWidget(buildRelays());
    layout->addStretch(1);
    render();
}

QTimer* RegulatorGeneralPageView::refreshTimer() const
{
    return general_->refreshTimer();
}

QWidget* RegulatorGeneralPageView::buildSettings()
{
    auto* row = new QWidget(backgroundPanel_);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    indicationModeGroup_ =
        general_->radioGroup("indicationModeGroup", 5, 3, row, [this](int i) { logic_.indicationModeChosen(i); });
    deviceLanguageGroup_ =
        general_->radioGroup("deviceLanguageGroup", 3, 3, row, [this](int i) { logic_.deviceLanguageChosen(i); });
    layout->addWidget(indicationModeGroup_, 1);
    layout->addWidget(deviceLanguageGroup_, 1, Qt::AlignTop);
    return row;
}

QWidget* RegulatorGeneralPageView::buildGrids()
{
    auto* row = new QWidget(backgroundPanel_);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    measurementGrid_ = contentsWideGrid("measurementGrid", row);
    secondMeasurementGrid_ = contentsWideGrid("secondMeasurementGrid", row);
    auto* commands = new QVBoxLayout;
    positionUpButton_ = general_->button("positionUpButton", row, [this] { logic_.positionUpClicked(); });
    positionDownButton_ = general_->button("positionDownButton", row, [this] { logic_.positionDownClicked(); });
    resetMaxMinCountButton_ =
        general_->button("resetMaxMinCountButton", row, [this] { logic_.resetMaxMinCountClicked(); });
    commands->addWidget(positionUpButton_);
    commands->addWidget(positionDownButton_);
    commands->addSpacing(12);
    commands->addWidget(resetMaxMinCountButton_);
    commands->addStretch(1);
    layout->addWidget(measurementGrid_, 0, Qt::AlignTop);
    layout->addWidget(secondMeasurementGrid_, 0, Qt::AlignTop);
    layout->addStretch(1);
    layout->addLayout(commands);
    return row;
}

QWidget* RegulatorGeneralPageView::buildRelays()
{
    relays_ = new RelayStrip(RegulatorGeneralPage::kRelayCount, backgroundPanel_);
    for (int i = 0; i < RegulatorGeneralPage::kRelayCount; ++i)
        relays_->addLabel(i)->setWordWrap(true);
    return relays_;
}

void RegulatorGeneralPageView::render()
{
    general_->render();
    const RegulatorGeneralPageCaptions& c = logic_.captions();
    const RegulatorGeneralPageState& s = logic_.state();
    positionUpButton_->setText(qs(c.positionUp));
    positionDownButton_->setText(qs(c.positionDown));
    resetMaxMinCountButton_->setText(qs(c.resetMaxMinCount));
    showChoices(indicationModeGroup_, c.indicationMode, c.indicationModeItems, s.indicationMode);
    showChoices(deviceLanguageGroup_, c.deviceLanguage, c.deviceLanguageItems, s.deviceLanguage);
    fillGrid(measurementGrid_, c.measurementHeader, c.measurementRows, s.measurements);
    fillGrid(secondMeasurementGrid_, "", c.secondMeasurementRows, s.secondMeasurements);
    // Values of the last answered refresh are drawn greyed while the device is silent.
    const bool live = !general_->stale();
    measurementGrid_->setEnabled(live);
    secondMeasurementGrid_->setEnabled(live);
    relays_->setRelays(s.relays);
    relays_->setLabels(c.relayLabels);
}
