#include "gui/screens/parallelism/ParallelismGeneralPageView.h"

#include "gui/app/RadioGroupBox.h"
#include "gui/app/WidgetText.h"
#include "gui/screens/common/GeneralPageWidgets.h"
#include "gui/screens/common/MeasureGrid.h"
#include "gui/screens/common/RelayStrip.h"
#include "screens/parallelism/ParallelismGeneralPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kRows = 8;
constexpr int kRowHeight = 22;
constexpr int kNameWidth = 150;
constexpr int kValueWidth = 440;
} // namespace

ParallelismGeneralPageView::ParallelismGeneralPageView(ParallelismGeneralPage& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("ParallelismGeneralPageView");
    QVBoxLayout* layout = addBackground();
    QWidget* backgroundPanel = background();
    general_ = new GeneralPageWidgets(logic_, backgroundPanel, [this](const std::function<void()>& f) { handle(f); },
                                      [this] {
                                          logic_.tick();
                                          render();
                                      });
    // The P keeps its clock for the bus: the page does not show it.
    general_->clockBox()->hide();
    auto* top = new QHBoxLayout;
    top->addWidget(general_->connectionBox());
    auto* side = new QVBoxLayout;
    deviceLanguageGroup_ = new RadioGroupBox("deviceLanguageGroup", 3, 1, backgroundPanel);
    connect(deviceLanguageGroup_, &RadioGroupBox::clicked, this,
            [this](int i) { handle([&] { logic_.deviceLanguageChosen(i); }); });
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

    measurementGrid_ = new MeasureGrid("measurementGrid", {kRows, kNameWidth, kValueWidth, kRowHeight},
                                       backgroundPanel);
    layout->addWidget(measurementGrid_);

    relays_ = new RelayStrip(10, backgroundPanel);
    for (int i = 0; i < 10; ++i) {
        auto* label = new QLabel(relays_);
        label->setObjectName(QString("relayLabel%1").arg(i + 1));
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        label->setFixedWidth(74);
        relays_->grid()->addWidget(label, 2, i, Qt::AlignHCenter | Qt::AlignTop);
    }
    layout->addWidget(relays_);
    layout->addStretch(1);
    render();
}

QTimer* ParallelismGeneralPageView::refreshTimer() const { return general_->refreshTimer(); }

void ParallelismGeneralPageView::handle(const std::function<void()>& f)
{
    f();
    render();
}

void ParallelismGeneralPageView::render()
{
    general_->render();
    const ParallelismGeneralPageCaptions& c = logic_.captions();
    const ParallelismGeneralPageState& s = logic_.state();
    for (int r = 0; r < kRows; ++r)
        measurementGrid_->setRow(r, c.measurementRows[static_cast<std::size_t>(r)],
                                 s.measurements[static_cast<std::size_t>(r)]);
    // Values of the last answered refresh are drawn greyed while the device is silent.
    measurementGrid_->setEnabled(!general_->stale());
    positionUpButton_->setText(qs(c.positionUp));
    positionDownButton_->setText(qs(c.positionDown));
    deviceLanguageGroup_->setTexts(c.deviceLanguage, {c.deviceLanguageItems.begin(), c.deviceLanguageItems.end()});
    deviceLanguageGroup_->select(s.deviceLanguage);
    for (int i = 0; i < 10; ++i) {
        relays_->setRelay(i, s.relays[static_cast<std::size_t>(i)]);
        auto* label = relays_->findChild<QLabel*>(QString("relayLabel%1").arg(i + 1));
        label->setText(qs(s.relayLabels[static_cast<std::size_t>(i)]));
        label->setVisible(s.relayLabelsVisible);
    }
}
