#include "gui/screens/parallelism/ParallelismGeneralPageView.h"

#include "gui/app/RadioGroupBox.h"
#include "gui/app/WidgetText.h"
#include "gui/screens/common/GeneralPageWidgets.h"
#include "gui/screens/common/MeasureGrid.h"
#include "gui/screens/common/RelayStrip.h"
#include "screens/parallelism/ParallelismGeneralPage.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int kRelayLabelWidth = 74;
} // namespace

ParallelismGeneralPageView::ParallelismGeneralPageView(ParallelismGeneralPage& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("ParallelismGeneralPageView");
    QVBoxLayout* layout = addBackground();
    QWidget* backgroundPanel = background();
    general_ = new GeneralPageWidgets(logic_, *this, backgroundPanel);
    // The P keeps its clock for the bus: the page does not show it.
    general_->clockBox()->hide();
    auto* top = new QHBoxLayout;
    top->addWidget(general_->connectionBox());
    auto* side = new QVBoxLayout;
    deviceLanguageGroup_ = general_->radioGroup("deviceLanguageGroup", 3, 1, backgroundPanel,
                                                [this](int i) { logic_.deviceLanguageChosen(i); });
    side->addWidget(deviceLanguageGroup_);
    positionUpButton_ = general_->button("positionUpButton", backgroundPanel, [this] { logic_.positionUpClicked(); });
    positionDownButton_ =
        general_->button("positionDownButton", backgroundPanel, [this] { logic_.positionDownClicked(); });
    side->addWidget(positionUpButton_);
    side->addWidget(positionDownButton_);
    side->addStretch(1);
    top->addLayout(side);
    top->addStretch(1);
    layout->addLayout(top);

    measurementGrid_ = new MeasureGrid(
        "measurementGrid", {.rows = 8, .rowHeight = 22, .nameWidth = 150, .valueWidth = 440}, backgroundPanel);
    layout->addWidget(measurementGrid_);

    relays_ = new RelayStrip(10, backgroundPanel);
    for (int i = 0; i < 10; ++i) {
        QLabel* label = relays_->addLabel(i, Qt::AlignHCenter | Qt::AlignTop);
        label->setWordWrap(true);
        label->setFixedWidth(kRelayLabelWidth);
        relayLabels_.push_back(label);
    }
    layout->addWidget(relays_);
    layout->addStretch(1);
    render();
}

QTimer* ParallelismGeneralPageView::refreshTimer() const { return general_->refreshTimer(); }

void ParallelismGeneralPageView::render()
{
    general_->render();
    const ParallelismGeneralPageCaptions& c = logic_.captions();
    const ParallelismGeneralPageState& s = logic_.state();
    measurementGrid_->setRows(c.measurementRows, s.measurements);
    // Values of the last answered refresh are drawn greyed while the device is silent.
    measurementGrid_->setEnabled(!general_->stale());
    positionUpButton_->setText(qs(c.positionUp));
    positionDownButton_->setText(qs(c.positionDown));
    showChoices(deviceLanguageGroup_, c.deviceLanguage, c.deviceLanguageItems, s.deviceLanguage);
    relays_->setRelays(s.relays);
    relays_->setLabels(s.relayLabels);
    // A label wraps between words, never inside one: a longer word widens its label.
    for (QLabel* label : relayLabels_) {
        int widest = 0;
        for (const QString& word : label->text().split(' ', Qt::SkipEmptyParts))
            widest = std::max(widest, label->fontMetrics().horizontalAdvance(word));
        label->setFixedWidth(std::max(kRelayLabelWidth, widest + 2 * label->margin() + 4));
    }
    relays_->setLabelsVisible(s.relayLabelsVisible);
}
