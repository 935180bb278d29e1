#include "gui/screens/regulator/FrameConfGeralRView.h"

#include "gui/app/DecimalSeparator.h"
#include "gui/app/RadioGroupBox.h"
#include "gui/app/WidgetText.h"
#include "gui/screens/common/GeneralFrameWidgets.h"
#include "gui/screens/common/RelayStrip.h"
#include "screens/regulator/FrameConfGeral_QLX700RF.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kGridRows = 9;
constexpr int kColumnWidth = 90;
constexpr int kGridRowHeight = 20;

// Two columns of at least 90 pixels: the row names and the values.
QTableWidget* grid(const char* name, QWidget* parent)
{
    auto* g = new QTableWidget(kGridRows, 2, parent);
    g->setObjectName(name);
    g->verticalHeader()->hide();
    g->verticalHeader()->setMinimumSectionSize(kGridRowHeight);
    g->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionMode(QAbstractItemView::NoSelection);
    g->setFocusPolicy(Qt::NoFocus);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    g->horizontalHeader()->setMinimumSectionSize(kColumnWidth);
    g->horizontalHeader()->setStretchLastSection(true);
    // Every row shows.
    g->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    g->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    for (int r = 0; r < kGridRows; ++r) {
        g->setItem(r, 0, new QTableWidgetItem);
        auto* value = new QTableWidgetItem;
        value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        g->setItem(r, 1, value);
    }
    return g;
}

void setCell(QTableWidget* g, int row, int column, const std::string& text)
{
    QTableWidgetItem* item = g->item(row, column);
    if (item->text() != qs(text))
        item->setText(qs(text));
}

void fillGrid(QTableWidget* g, const std::string& header, const std::array<std::string, 9>& names,
              const std::array<std::string, 9>& values)
{
    const QStringList labels{QString(), qs(header)};
    if (g->property("headerLabels").toStringList() != labels) {
        g->setProperty("headerLabels", labels);
        g->setHorizontalHeaderLabels(labels);
    }
    for (int r = 0; r < kGridRows; ++r) {
        setCell(g, r, 0, names[static_cast<std::size_t>(r)]);
        setCell(g, r, 1, values[static_cast<std::size_t>(r)]);
    }
    g->setFixedWidth(g->horizontalHeader()->length() + 2 * g->frameWidth());

}

template <std::size_t N>
std::vector<std::string> items(const std::array<std::string, N>& texts)
{
    return {texts.begin(), texts.end()};
}

} // namespace

FrameConfGeralRView::FrameConfGeralRView(TFrameConfGeral_QLX700R& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("FrameConfGeralRView");
    logic_.setDecimalSeparator(systemDecimalSeparator());
    QVBoxLayout* layout = addBackground();
    pnBack_ = background();
    general_ = new GeneralFrameWidgets(logic_, pnBack_, [this](const std::function<void()>& f) { handle(f); },
                                       [this] { tick(); });
    layout->addLayout(general_->topRow());
    layout->addWidget(buildSettings());
    layout->addWidget(buildGrids());
    layout->addWidget(buildRelays());
    layout->addStretch(1);
    render();
}

QTimer* FrameConfGeralRView::timer1() const
{
    return general_->timer1();
}

void FrameConfGeralRView::handle(const std::function<void()>& f)
{
    f();
    render();
}

QWidget* FrameConfGeralRView::buildSettings()
{
    auto* row = new QWidget(pnBack_);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    rgVisualizacao_ = new RadioGroupBox("rgVisualizacao", 5, 3, row);
    rgIdioma_ = new RadioGroupBox("rgIdioma", 3, 3, row);
    connect(rgVisualizacao_, &RadioGroupBox::clicked, this,
            [this](int i) { handle([&] { logic_.rgVisualizacaoClick(i); }); });
    connect(rgIdioma_, &RadioGroupBox::clicked, this, [this](int i) { handle([&] { logic_.rgIdiomaClick(i); }); });
    layout->addWidget(rgVisualizacao_, 1);
    layout->addWidget(rgIdioma_, 1, Qt::AlignTop);
    return row;
}

QWidget* FrameConfGeralRView::buildGrids()
{
    auto* row = new QWidget(pnBack_);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    sgMedidas_ = grid("sgMedidas", row);
    sgMedidas2_ = grid("sgMedidas2", row);
    auto* commands = new QVBoxLayout;
    bbPosicaoUp_ = general_->button("bbPosicaoUp", row, [this] { logic_.bbPosicaoUpClick(); });
    bbPosicaoDown_ = general_->button("bbPosicaoDown", row, [this] { logic_.bbPosicaoDownClick(); });
    bbResetMaxMinCom_ = general_->button("bbResetMaxMinCom", row, [this] { logic_.bbResetMaxMinComClick(); });
    commands->addWidget(bbPosicaoUp_);
    commands->addWidget(bbPosicaoDown_);
    commands->addSpacing(12);
    commands->addWidget(bbResetMaxMinCom_);
    commands->addStretch(1);
    layout->addWidget(sgMedidas_, 0, Qt::AlignTop);
    layout->addWidget(sgMedidas2_, 0, Qt::AlignTop);
    layout->addStretch(1);
    layout->addLayout(commands);
    return row;
}

QWidget* FrameConfGeralRView::buildRelays()
{
    relays_ = new RelayStrip(TFrameConfGeral_QLX700R::kRelayCount, pnBack_);
    for (int i = 0; i < TFrameConfGeral_QLX700R::kRelayCount; ++i) {
        auto* label = new QLabel(relays_);
        label->setObjectName(QString("lblRele%1").arg(i + 1));
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        relays_->grid()->addWidget(label, 2, i, Qt::AlignHCenter);
        lblRele_[static_cast<std::size_t>(i)] = label;
    }
    return relays_;
}

void FrameConfGeralRView::tick()
{
    logic_.Timer1Timer();
    render();
}

void FrameConfGeralRView::render()
{
    general_->render();
    const FrameConfGeralRCaptions& c = logic_.captions();
    const FrameConfGeralRState& s = logic_.state();
    bbPosicaoUp_->setText(qs(c.bbPosicaoUp));
    bbPosicaoDown_->setText(qs(c.bbPosicaoDown));
    bbResetMaxMinCom_->setText(qs(c.bbResetMaxMinCom));
    rgVisualizacao_->setTexts(c.rgVisualizacao, items(c.rgVisualizacaoItems));
    rgIdioma_->setTexts(c.rgIdioma, items(c.rgIdiomaItems));
    rgVisualizacao_->select(s.rgVisualizacao);
    rgIdioma_->select(s.rgIdioma);
    fillGrid(sgMedidas_, c.sgMedidasHeader, c.sgMedidasRows, s.medidas);
    fillGrid(sgMedidas2_, "", c.sgMedidas2Rows, s.medidas2);
    // Values of the last answered refresh are drawn greyed while the device is silent.
    const bool live = !general_->stale();
    sgMedidas_->setEnabled(live);
    sgMedidas2_->setEnabled(live);
    for (std::size_t i = 0; i < lblRele_.size(); ++i) {
        relays_->setRelay(static_cast<int>(i), s.relays[i]);
        lblRele_[i]->setText(qs(c.relayLabels[i]));
    }
}
