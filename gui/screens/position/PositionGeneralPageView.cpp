#include "gui/screens/position/PositionGeneralPageView.h"

#include "gui/app/DecimalSeparator.h"
#include "gui/app/RadioGroupBox.h"
#include "gui/screens/common/GeneralPageWidgets.h"
#include "gui/screens/common/MeasureGrid.h"
#include "gui/screens/common/RelayStrip.h"
#include "screens/position/PositionGeneralPage.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

PositionGeneralPageView::PositionGeneralPageView(PositionGeneralPage& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("PositionGeneralPageView");
    logic_.setDecimalSeparator(systemDecimalSeparator());
    QVBoxLayout* layout = addBackground();
    QWidget* backgroundPanel = background();
    general_ = new GeneralPageWidgets(logic_, *this, backgroundPanel);
    layout->addLayout(general_->topRow());

    auto* middle = new QHBoxLayout;
    measurementGrid_ = new MeasureGrid("measurementGrid",
                                       {.rows = 5,
                                        .rowHeight = 22,
                                        .nameWidth = 110,
                                        .valueWidth = 260,
                                        .header = true,
                                        .valueAlignment = Qt::AlignRight | Qt::AlignVCenter},
                                       backgroundPanel);
    middle->addWidget(measurementGrid_, 0, Qt::AlignTop);
    deviceLanguageGroup_ = general_->radioGroup("deviceLanguageGroup", 3, 1, backgroundPanel,
                                                [this](int i) { logic_.deviceLanguageChosen(i); });
    middle->addWidget(deviceLanguageGroup_, 0, Qt::AlignTop);
    middle->addStretch(1);
    layout->addLayout(middle);

    relays_ = new RelayStrip(10, backgroundPanel);
    for (int i = 0; i < 10; ++i)
        relays_->addLabel(i);
    layout->addWidget(relays_);
    layout->addStretch(1);
    render();
}

QTimer* PositionGeneralPageView::refreshTimer() const { return general_->refreshTimer(); }

void PositionGeneralPageView::render()
{
    general_->render();
    const PositionGeneralPageCaptions& c = logic_.captions();
    const PositionGeneralPageState& s = logic_.state();
    measurementGrid_->setValueHeader(c.measurementHeader);
    measurementGrid_->setRows(c.measurementRows, s.measurements);
    // Values of the last answered refresh are drawn greyed while the device is silent.
    measurementGrid_->setEnabled(!general_->stale());
    showChoices(deviceLanguageGroup_, c.deviceLanguage, c.deviceLanguageItems, s.deviceLanguage);
    relays_->setRelays(s.relays);
    relays_->setLabels(c.relayLabels);
}
