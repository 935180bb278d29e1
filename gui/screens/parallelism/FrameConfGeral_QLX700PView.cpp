#include "gui/screens/parallelism/FrameConfGeral_QLX700PView.h"

#include "gui/app/RadioGroupBox.h"
#include "gui/app/WidgetText.h"
#include "gui/screens/common/GeneralFrameWidgets.h"
#include "gui/screens/common/MeasureGrid.h"
#include "gui/screens/common/RelayStrip.h"
#include "screens/parallelism/FrameConfGeral_QLX700PF.h"

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

FrameConfGeral_QLX700PView::FrameConfGeral_QLX700PView(TFrameConfGeral_QLX700P& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("FrameConfGeral_QLX700PView");
    QVBoxLayout* layout = addBackground();
    QWidget* pnBack = background();
    general_ = new GeneralFrameWidgets(logic_, pnBack, [this](const std::function<void()>& f) { handle(f); }, [this] {
        logic_.Timer1Timer();
        render();
    });
    // The P keeps its clock for the bus: the page does not show it.
    general_->clockBox()->hide();
    auto* top = new QHBoxLayout;
    top->addWidget(general_->connectionBox());
    auto* side = new QVBoxLayout;
    rgIdioma_ = new RadioGroupBox("rgIdioma", 3, 1, pnBack);
    connect(rgIdioma_, &RadioGroupBox::clicked, this, [this](int i) { handle([&] { logic_.rgIdiomaClick(i); }); });
    side->addWidget(rgIdioma_);
    bbPosicaoUp_ = general_->button("bbPosicaoUp", pnBack, [this] { logic_.bbPosicaoUpClick(); });
    bbPosicaoDown_ = general_->button("bbPosicaoDown", pnBack, [this] { logic_.bbPosicaoDownClick(); });
    side->addWidget(bbPosicaoUp_);
    side->addWidget(bbPosicaoDown_);
    side->addStretch(1);
    top->addLayout(side);
    top->addStretch(1);
    layout->addLayout(top);

    sgMedidas_ = new MeasureGrid("sgMedidas", {kRows, kNameWidth, kValueWidth, kRowHeight}, pnBack);
    layout->addWidget(sgMedidas_);

    relays_ = new RelayStrip(10, pnBack);
    for (int i = 0; i < 10; ++i) {
        auto* label = new QLabel(relays_);
        label->setObjectName(QString("lblRele%1").arg(i + 1));
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        label->setFixedWidth(74);
        relays_->grid()->addWidget(label, 2, i, Qt::AlignHCenter | Qt::AlignTop);
    }
    layout->addWidget(relays_);
    layout->addStretch(1);
    render();
}

QTimer* FrameConfGeral_QLX700PView::timer1() const { return general_->timer1(); }

void FrameConfGeral_QLX700PView::handle(const std::function<void()>& f)
{
    f();
    render();
}

void FrameConfGeral_QLX700PView::render()
{
    general_->render();
    const FrameConfGeral_QLX700PCaptions& c = logic_.captions();
    const FrameConfGeral_QLX700PState& s = logic_.state();
    for (int r = 0; r < kRows; ++r)
        sgMedidas_->setRow(r, c.medidaRows[static_cast<std::size_t>(r)], s.medidas[static_cast<std::size_t>(r)]);
    // Values of the last answered refresh are drawn greyed while the device is silent.
    sgMedidas_->setEnabled(!general_->stale());
    bbPosicaoUp_->setText(qs(c.bbPosicaoUp));
    bbPosicaoDown_->setText(qs(c.bbPosicaoDown));
    rgIdioma_->setTexts(c.rgIdioma, {c.rgIdiomaItems.begin(), c.rgIdiomaItems.end()});
    rgIdioma_->select(s.rgIdioma);
    for (int i = 0; i < 10; ++i) {
        relays_->setRelay(i, s.relays[static_cast<std::size_t>(i)]);
        auto* label = relays_->findChild<QLabel*>(QString("lblRele%1").arg(i + 1));
        label->setText(qs(s.relayLabels[static_cast<std::size_t>(i)]));
        label->setVisible(s.relayLabelsVisible);
    }
}
