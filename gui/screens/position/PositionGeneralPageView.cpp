#include "gui/screens/position/PositionGeneralPageView.h"

#include "gui/app/DecimalSeparator.h"
#include "gui/app/RadioGroupBox.h"
#include "gui/app/WidgetText.h"
#include "gui/screens/common/GeneralPageWidgets.h"
#include "gui/screens/common/MeasureGrid.h"
#include "gui/screens/common/RelayStrip.h"
#include "screens/position/PositionGeneralPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr int kRows = 5;
constexpr int kRowHeight = 22;
constexpr int kNameWidth = 110;
constexpr int kValueWidth = 260;
} // namespace

PositionGeneralPageView::PositionGeneralPageView(PositionGeneralPage& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("PositionGeneralPageView");
    logic_.setDecimalSeparator(systemDecimalSeparator());
    QVBoxLayout* layout = addBackground();
    QWidget* backgroundPanel = background();
    general_ = new GeneralPageWidgets(logic_, backgroundPanel, [this](const std::function<void()>& f) { handle(f); },
                                      [this] {
                                          logic_.tick();
                                          render();
                                      });
    layout->addLayout(general_->topRow());

    auto* middle = new QHBoxLayout;
    measurementGrid_ = new MeasureGrid("measurementGrid", {kRows, kNameWidth, kValueWidth, kRowHeight, true, Qt::AlignRight | Qt::AlignVCenter}, backgroundPanel);
    middle->addWidget(measurementGrid_, 0, Qt::AlignTop);
    deviceLanguageGroup_ = new RadioGroupBox("deviceLanguageGroup", 3, 1, backgroundPanel);
    connect(deviceLanguageGroup_, &RadioGroupBox::clicked, this,
            [this](int i) { handle([&] { logic_.deviceLanguageChosen(i); }); });
    middle->addWidget(deviceLanguageGroup_, 0, Qt::AlignTop);
    middle->addStretch(1);
    layout->addLayout(middle);

    relays_ = new RelayStrip(10, backgroundPanel);
    for (int i = 0; i < 10; ++i) {
        auto* label = new QLabel(relays_);
        label->setObjectName(QString("relayLabel%1").arg(i + 1));
        label->setAlignment(Qt::AlignCenter);
        relays_->grid()->addWidget(label, 2, i, Qt::AlignHCenter);
    }
    layout->addWidget(relays_);
    layout->addStretch(1);
    render();
}

QTimer* PositionGeneralPageView::refreshTimer() const { return general_->refreshTimer(); }

void PositionGeneralPageView::handle(const std::function<void()>& f)
{
    f();
    render();
}

void PositionGeneralPageView::render()
{
    general_->render();
    const PositionGeneralPageCaptions& c = logic_.captions();
    const PositionGeneralPageState& s = logic_.state();
    measurementGrid_->setValueHeader(c.measurementHeader);
    for (int r = 0; r < kRows; ++r)
        measurementGrid_->setRow(r, c.measurementRows[static_cast<std::size_t>(r)],
                                 s.measurements[static_cast<std::size_t>(r)]);
    // Values of the last answered refresh are drawn greyed while the device is silent.
    measurementGrid_->setEnabled(!general_->stale());
    deviceLanguageGroup_->setTexts(c.deviceLanguage, {c.deviceLanguageItems.begin(), c.deviceLanguageItems.end()});
    deviceLanguageGroup_->select(s.deviceLanguage);
    for (int i = 0; i < 10; ++i) {
        relays_->setRelay(i, s.relays[static_cast<std::size_t>(i)]);
        relays_->findChild<QLabel*>(QString("relayLabel%1").arg(i + 1))->setText(qs(c.relayLabels[static_cast<std::size_t>(i)]));
    }
}
