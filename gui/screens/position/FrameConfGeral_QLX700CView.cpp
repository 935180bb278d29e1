#include "gui/screens/position/FrameConfGeral_QLX700CView.h"

#include "gui/app/DecimalSeparator.h"
#include "gui/app/RadioGroupBox.h"
#include "gui/app/WidgetText.h"
#include "gui/screens/common/GeneralFrameWidgets.h"
#include "gui/screens/common/MeasureGrid.h"
#include "gui/screens/common/RelayStrip.h"
#include "screens/position/FrameConfGeral_QLX700CF.h"

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

FrameConfGeral_QLX700CView::FrameConfGeral_QLX700CView(TFrameConfGeral_QLX700C& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("FrameConfGeral_QLX700CView");
    logic_.setDecimalSeparator(systemDecimalSeparator());
    QVBoxLayout* layout = addBackground();
    QWidget* pnBack = background();
    general_ = new GeneralFrameWidgets(logic_, pnBack, [this](const std::function<void()>& f) { handle(f); }, [this] {
        logic_.Timer1Timer();
        render();
    });
    layout->addLayout(general_->topRow());

    auto* middle = new QHBoxLayout;
    sgMedidas_ = new MeasureGrid("sgMedidas", {kRows, kNameWidth, kValueWidth, kRowHeight, true, Qt::AlignRight | Qt::AlignVCenter}, pnBack);
    middle->addWidget(sgMedidas_, 0, Qt::AlignTop);
    rgIdioma_ = new RadioGroupBox("rgIdioma", 3, 1, pnBack);
    connect(rgIdioma_, &RadioGroupBox::clicked, this, [this](int i) { handle([&] { logic_.rgIdiomaClick(i); }); });
    middle->addWidget(rgIdioma_, 0, Qt::AlignTop);
    middle->addStretch(1);
    layout->addLayout(middle);

    relays_ = new RelayStrip(10, pnBack);
    for (int i = 0; i < 10; ++i) {
        auto* label = new QLabel(relays_);
        label->setObjectName(QString("lblRele%1").arg(i + 1));
        label->setAlignment(Qt::AlignCenter);
        relays_->grid()->addWidget(label, 2, i, Qt::AlignHCenter);
    }
    layout->addWidget(relays_);
    layout->addStretch(1);
    render();
}

QTimer* FrameConfGeral_QLX700CView::timer1() const { return general_->timer1(); }

void FrameConfGeral_QLX700CView::handle(const std::function<void()>& f)
{
    f();
    render();
}

void FrameConfGeral_QLX700CView::render()
{
    general_->render();
    const FrameConfGeral_QLX700CCaptions& c = logic_.captions();
    const FrameConfGeral_QLX700CState& s = logic_.state();
    sgMedidas_->setValueHeader(c.medidaHeader);
    for (int r = 0; r < kRows; ++r)
        sgMedidas_->setRow(r, c.medidaRows[static_cast<std::size_t>(r)], s.medidas[static_cast<std::size_t>(r)]);
    // Values of the last answered refresh are drawn greyed while the device is silent.
    sgMedidas_->setEnabled(!general_->stale());
    rgIdioma_->setTexts(c.rgIdioma, {c.rgIdiomaItems.begin(), c.rgIdiomaItems.end()});
    rgIdioma_->select(s.rgIdioma);
    for (int i = 0; i < 10; ++i) {
        relays_->setRelay(i, s.relays[static_cast<std::size_t>(i)]);
        relays_->findChild<QLabel*>(QString("lblRele%1").arg(i + 1))->setText(qs(c.relayLabels[static_cast<std::size_t>(i)]));
    }
}
