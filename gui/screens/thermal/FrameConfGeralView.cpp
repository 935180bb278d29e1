#include "gui/screens/thermal/FrameConfGeralView.h"

#include "gui/app/DecimalSeparator.h"
#include "gui/app/WidgetText.h"
#include "gui/screens/common/GeneralFrameWidgets.h"
#include "gui/screens/common/RelayStrip.h"
#include "screens/thermal/FrameConfGeralF.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kGridRowHeight = 22;

QTableWidget* grid(const char* name, int columns, int rows, std::initializer_list<int> widths, QWidget* parent)
{
    auto* g = new QTableWidget(rows, columns, parent);
    g->setObjectName(name);
    g->verticalHeader()->hide();
    g->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionMode(QAbstractItemView::NoSelection);
    g->setFocusPolicy(Qt::NoFocus);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QVariantList least;
    for (int w : widths)
        least << w;
    g->setProperty("leastWidths", least);
    g->horizontalHeader()->setStretchLastSection(true);
    for (int r = 0; r < rows; ++r) {
        auto* label = new QTableWidgetItem(QString::number(r + 1));
        label->setTextAlignment(Qt::AlignCenter);
        g->setItem(r, 0, label);
        for (int col = 1; col < columns; ++col) {
            auto* cell = new QTableWidgetItem;
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            g->setItem(r, col, cell);
        }
    }
    g->setFixedHeight(g->horizontalHeader()->sizeHint().height() + rows * g->verticalHeader()->defaultSectionSize() + 2);
    return g;
}

// Columns keep their set widths, widened where a language's header would not fit.
void setHeader(QTableWidget* g, const auto& texts)
{
    QStringList labels;
    for (const std::string& t : texts)
        labels << qs(t);
    if (g->property("headerLabels").toStringList() == labels)
        return;
    g->setProperty("headerLabels", labels);
    g->setHorizontalHeaderLabels(labels);
    const QFontMetrics metrics(g->horizontalHeader()->font());
    const QVariantList least = g->property("leastWidths").toList();
    int total = 2;
    for (int c = 0; c < least.size(); ++c) {
        const int w = std::max(least[c].toInt(), metrics.horizontalAdvance(labels[c]) + 12);
        g->setColumnWidth(c, w);
        total += w;
    }
    g->setFixedWidth(total);
}

void setCell(QTableWidget* g, int row, int column, const std::string& text)
{
    QTableWidgetItem* item = g->item(row, column);
    if (item->text() != qs(text))
        item->setText(qs(text));
}

void select(QButtonGroup* group, int index)
{
    if (index < 0) {
        // An exclusive group cannot uncheck its checked button.
        group->setExclusive(false);
        for (QAbstractButton* b : group->buttons())
            b->setChecked(false);
        group->setExclusive(true);
    } else if (QAbstractButton* b = group->button(index)) {
        b->setChecked(true);
    }
}

template <std::size_t N>
void setItems(QGroupBox* box, QButtonGroup* group, const std::string& title, const std::array<std::string, N>& items)
{
    box->setTitle(qs(title));
    for (std::size_t i = 0; i < N; ++i)
        group->button(static_cast<int>(i))->setText(qs(items[i]));
}

} // namespace

FrameConfGeralView::FrameConfGeralView(TFrameConfGeral& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("FrameConfGeralView");
    logic_.setDecimalSeparator(systemDecimalSeparator());
    QVBoxLayout* layout = addBackground();
    pnBack_ = background();
    general_ = new GeneralFrameWidgets(logic_, pnBack_, [this](const std::function<void()>& f) { handle(f); },
                                       [this] { tick(); });
    BitBtn1_ = general_->button("BitBtn1", general_->connectionBox(), [this] { logic_.BitBtn1Click(); });
    general_->connectionGrid()->addWidget(BitBtn1_, 3, 2);
    layout->addLayout(general_->topRow());
    layout->addWidget(buildSettings());
    layout->addWidget(buildGrids());
    layout->addWidget(buildRelays());
    layout->addStretch(1);
    render();
}

QTimer* FrameConfGeralView::timer1() const
{
    return general_->timer1();
}

void FrameConfGeralView::handle(const std::function<void()>& f)
{
    f();
    render();
}

QButtonGroup* FrameConfGeralView::radioGroup(QGroupBox* box, const char* name, int items,
                                             std::function<void(int)> click)
{
    box->setObjectName(name);
    auto* column = new QVBoxLayout(box);
    column->setSpacing(2);
    auto* group = new QButtonGroup(box);
    for (int i = 0; i < items; ++i) {
        auto* radio = new QRadioButton(box);
        radio->setObjectName(QString("%1%2").arg(name).arg(i));
        group->addButton(radio, i);
        column->addWidget(radio);
    }
    column->addStretch(1);
    // Only the user's clicks: a redraw that checks a button sends nothing.
    connect(group, &QButtonGroup::idClicked, this, [this, click = std::move(click)](int id) { handle([&] { click(id); }); });
    return group;
}

QWidget* FrameConfGeralView::buildSettings()
{
    auto* row = new QWidget(pnBack_);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    rgVisualizacaoBox_ = new QGroupBox(row);
    rgFreqOperacaoBox_ = new QGroupBox(row);
    rgIdiomaBox_ = new QGroupBox(row);
    rgVisualizacao_ = radioGroup(rgVisualizacaoBox_, "rgVisualizacao", 3, [this](int i) { logic_.rgVisualizacaoClick(i); });
    rgFreqOperacao_ = radioGroup(rgFreqOperacaoBox_, "rgFreqOperacao", 2, [this](int i) { logic_.rgFreqOperacaoClick(i); });
    rgIdioma_ = radioGroup(rgIdiomaBox_, "rgIdioma", 3, [this](int i) { logic_.rgIdiomaClick(i); });
    layout->addWidget(rgVisualizacaoBox_, 1);
    layout->addWidget(rgFreqOperacaoBox_, 1);
    layout->addWidget(rgIdiomaBox_, 1);
    return row;
}

QWidget* FrameConfGeralView::buildGrids()
{
    auto* row = new QWidget(pnBack_);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    sgMedidas_ = grid("sgMedidas", 3, 6, {40, 100, 100}, row);
    sgMedidasEnrolamento_ = grid("sgMedidasEnrolamento", 4, 3, {40, 90, 90, 90}, row);
    layout->addWidget(sgMedidas_, 0, Qt::AlignTop);
    layout->addStretch(1);
    layout->addWidget(sgMedidasEnrolamento_, 0, Qt::AlignTop);
    return row;
}

QWidget* FrameConfGeralView::buildRelays()
{
    relays_ = new RelayStrip(TFrameConfGeral::kRelayCount, pnBack_);
    for (int i = 0; i < TFrameConfGeral::kRelayCount; ++i) {
        auto* edit = namedEdit("", relays_);
        edit->setObjectName(QString("edRele%1").arg(i + 1));
        edit->setAlignment(Qt::AlignCenter);
        edit->setMaximumWidth(60);
        edit->setProperty("relay", i);
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [this, i](const QString& text) { logic_.setEdRele(i, text.toStdString()); });
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] {
            // Enter leaves the edit for the background, as a focus change would.
            if (edit->hasFocus())
                pnBack_->setFocus();
            handle([this] { logic_.edRele1Exit(); });
        });
        relays_->grid()->addWidget(edit, 2, i, Qt::AlignHCenter);
        edRele_[static_cast<std::size_t>(i)] = edit;
    }
    return relays_;
}

bool FrameConfGeralView::eventFilter(QObject* watched, QEvent* event)
{
    // Only the name edits are watched.
    if (event->type() == QEvent::FocusIn)
        logic_.setFocusedEdit(watched->property("relay").toInt());
    else if (event->type() == QEvent::FocusOut)
        logic_.setFocusedEdit(TFrameConfGeral::kNoFocus);
    return PageView::eventFilter(watched, event);
}

void FrameConfGeralView::tick()
{
    logic_.Timer1Timer();
    render();
}

void FrameConfGeralView::render()
{
    general_->render();
    const FrameConfGeralCaptions& c = logic_.captions();
    const FrameConfGeralState& s = logic_.state();
    BitBtn1_->setText(qs(c.BitBtn1));
    BitBtn1_->setVisible(s.BitBtn1Visible);
    setItems(rgVisualizacaoBox_, rgVisualizacao_, c.rgVisualizacao, c.rgVisualizacaoItems);
    setItems(rgFreqOperacaoBox_, rgFreqOperacao_, c.rgFreqOperacao, c.rgFreqOperacaoItems);
    setItems(rgIdiomaBox_, rgIdioma_, c.rgIdioma, c.rgIdiomaItems);
    select(rgVisualizacao_, s.rgVisualizacao);
    select(rgFreqOperacao_, s.rgFreqOperacao);
    select(rgIdioma_, s.rgIdioma);
    setHeader(sgMedidas_, c.sgMedidasHeader);
    setHeader(sgMedidasEnrolamento_, c.sgMedidasEnrolamentoHeader);
    for (int r = 0; r < static_cast<int>(s.medidas.size()); ++r) {
        for (int col = 0; col < 2; ++col)
            setCell(sgMedidas_, r, col + 1, s.medidas[static_cast<std::size_t>(r)][static_cast<std::size_t>(col)]);
    }
    for (int r = 0; r < static_cast<int>(s.medidasEnrolamento.size()); ++r) {
        for (int col = 0; col < 3; ++col)
            setCell(sgMedidasEnrolamento_, r, col + 1,
                    s.medidasEnrolamento[static_cast<std::size_t>(r)][static_cast<std::size_t>(col)]);
    }
    // Values of the last answered refresh are drawn greyed while the device is silent.
    const bool live = !general_->stale();
    sgMedidas_->setEnabled(live);
    sgMedidasEnrolamento_->setEnabled(live);
    for (std::size_t i = 0; i < edRele_.size(); ++i) {
        relays_->setRelay(static_cast<int>(i), s.relays[i]);
        setEditText(edRele_[i], s.edRele[i]);
        edRele_[i]->setEnabled(s.edReleEnabled);
    }
}
