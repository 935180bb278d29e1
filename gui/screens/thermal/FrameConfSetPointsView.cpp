#include "gui/screens/thermal/FrameConfSetPointsView.h"

#include "gui/app/ApplyEdit.h"
#include "gui/app/DecimalSeparator.h"
#include "gui/app/RadioGroupBox.h"
#include "gui/app/WidgetText.h"
#include "screens/thermal/FrameConfSetPointsF.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int kHeaderWidth = 45;
constexpr int kColumnWidth = 80;
constexpr int kGridColumns = 10;
constexpr int kGridRows = 9;
} // namespace

FrameConfSetPointsView::FrameConfSetPointsView(TFrameConfSetPoints& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("FrameConfSetPointsView");
    logic_.setDecimalSeparator(systemDecimalSeparator());
    QVBoxLayout* layout = addBackground();
    QWidget* pnBack = background();

    // Row 0 and column 0 are the grid's own headers, drawn like the device's labels;
    // no cell can be selected: a click opens the in-place editor instead.
    sgSetPoints_ = new QTableWidget(kGridRows, kGridColumns, pnBack);
    sgSetPoints_->setObjectName("sgSetPoints");
    sgSetPoints_->horizontalHeader()->hide();
    sgSetPoints_->verticalHeader()->hide();
    sgSetPoints_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgSetPoints_->setSelectionMode(QAbstractItemView::NoSelection);
    sgSetPoints_->setFocusPolicy(Qt::NoFocus);
    sgSetPoints_->setWordWrap(false);
    sgSetPoints_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sgSetPoints_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont bold = sgSetPoints_->font();
    bold.setBold(true);
    for (int r = 0; r < kGridRows; ++r) {
        for (int c = 0; c < kGridColumns; ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            if (r == 0 || c == 0) {
                item->setBackground(QColor(0xC0, 0xC0, 0xC0));
                item->setFont(bold);
            }
            sgSetPoints_->setItem(r, c, item);
        }
    }
    connect(sgSetPoints_, &QTableWidget::cellPressed, this, [this](int row, int column) {
        handle([&] { logic_.sgSetPointsMouseDown(column, row); });
    });
    layout->addWidget(sgSetPoints_);

    edVal_ = new QLineEdit(sgSetPoints_->viewport());
    edVal_->setObjectName("edVal");
    edVal_->hide();
    edVal_->installEventFilter(this);
    connect(edVal_, &QLineEdit::textEdited, this, [this](const QString& text) { logic_.setEdVal(text.toStdString()); });
    connect(edVal_, &QLineEdit::editingFinished, this, [this] {
        if (edVal_->isVisible())
            handle([&] { logic_.edValExit(); });
    });
    cbVal_ = new QComboBox(sgSetPoints_->viewport());
    cbVal_->setObjectName("cbVal");
    cbVal_->hide();
    cbVal_->setMaxVisibleItems(9);
    connect(cbVal_, &QComboBox::activated, this, [this](int i) { handle([&] { logic_.cbValSelect(i); }); });

    auto* groups = new QHBoxLayout;
    gbResfriamentoDiario_ = new QGroupBox(pnBack);
    gbResfriamentoDiario_->setObjectName("gbResfriamentoDiario");
    auto* cooling = new QGridLayout(gbResfriamentoDiario_);
    lblResfriamentoDiarioInicio_ = label("lblResfriamentoDiarioInicio", gbResfriamentoDiario_);
    cooling->addWidget(lblResfriamentoDiarioInicio_, 0, 0, 1, 3);
    cooling->addWidget(edit(SetPointEdit::InicioH, "edInicioH", gbResfriamentoDiario_), 1, 0);
    cooling->addWidget(new QLabel(":", gbResfriamentoDiario_), 1, 1);
    cooling->addWidget(edit(SetPointEdit::InicioM, "edInicioM", gbResfriamentoDiario_), 1, 2);
    lblResfriamentoDiarioDuracao_ = label("lblResfriamentoDiarioDuracao", gbResfriamentoDiario_);
    cooling->addWidget(lblResfriamentoDiarioDuracao_, 2, 0, 1, 3);
    cooling->addWidget(edit(SetPointEdit::Duracao, "edDuracao", gbResfriamentoDiario_), 3, 0);
    cooling->setRowStretch(4, 1);
    cooling->setColumnStretch(3, 1);
    groups->addWidget(gbResfriamentoDiario_);

    gbConfig_ = new QGroupBox(pnBack);
    gbConfig_->setObjectName("gbConfig");
    auto* config = new QGridLayout(gbConfig_);
    lblReleAlternado_ = label("lblReleAlternado", gbConfig_);
    cbReleAlternado_ = new QComboBox(gbConfig_);
    cbReleAlternado_->setObjectName("cbReleAlternado");
    connect(cbReleAlternado_, &QComboBox::activated, this, [this](int i) {
        background()->setFocus();
        handle([&] { logic_.cbReleAlternadoSelect(i); });
    });
    config->addWidget(lblReleAlternado_, 0, 0);
    config->addWidget(cbReleAlternado_, 1, 0);
    rgNumRtd_ = new RadioGroupBox("rgNumRtd", 6, 6, gbConfig_);
    connect(rgNumRtd_, &RadioGroupBox::clicked, this, [this](int i) {
        background()->setFocus();
        handle([&] { logic_.rgNumRtdClick(i); });
    });
    config->addWidget(rgNumRtd_, 2, 0);
    gbRedundante_ = new QGroupBox(gbConfig_);
    gbRedundante_->setObjectName("gbRedundante");
    auto* redundant = new QHBoxLayout(gbRedundante_);
    for (int i = 0; i < FrameConfSetPointsState::kRedundantBoxes; ++i) {
        auto* box = new QCheckBox(QString("RTD%1").arg(i + 2), gbRedundante_);
        box->setObjectName(QString("cbRedundante%1").arg(i + 2));
        connect(box, &QCheckBox::clicked, this, [this, i](bool checked) {
            background()->setFocus();
            handle([&] { logic_.cbRedundanteClick(i, checked); });
        });
        cbRedundante_[static_cast<std::size_t>(i)] = box;
        redundant->addWidget(box);
    }
    config->addWidget(gbRedundante_, 3, 0);
    lblMaxDifTemp_ = label("lblMaxDifTemp", gbConfig_);
    auto* maxDif = new QHBoxLayout;
    maxDif->addWidget(lblMaxDifTemp_);
    maxDif->addWidget(edit(SetPointEdit::MaxDifTemp, "edMaxDifTemp", gbConfig_));
    config->addLayout(maxDif, 4, 0);
    config->setRowStretch(5, 1);
    groups->addWidget(gbConfig_, 1);

    gbCalc_ = new QGroupBox(pnBack);
    gbCalc_->setObjectName("gbCalc");
    auto* calc = new QGridLayout(gbCalc_);
    lblCalcCorrNom_ = label("lblCalcCorrNom", gbCalc_);
    lblCalcDeltaT_ = label("lblCalcDeltaT", gbCalc_);
    lblCalcConstT_ = label("lblCalcConstT", gbCalc_);
    lblCalcM_ = label("lblCalcM", gbCalc_);
    calc->addWidget(lblCalcCorrNom_, 0, 0);
    calc->addWidget(lblCalcDeltaT_, 1, 0);
    for (int w = 0; w < 3; ++w) {
        const QByteArray corr = QString("edCalcCorrNom%1").arg(w + 1).toLatin1();
        const QByteArray delta = QString("edCalcDeltaT%1").arg(w + 1).toLatin1();
        calc->addWidget(edit(static_cast<SetPointEdit>(static_cast<int>(SetPointEdit::CalcCorrNom1) + w), corr.constData(), gbCalc_), 0, 1 + w);
        calc->addWidget(edit(static_cast<SetPointEdit>(static_cast<int>(SetPointEdit::CalcDeltaT1) + w), delta.constData(), gbCalc_), 1, 1 + w);
    }
    calc->addWidget(lblCalcConstT_, 2, 0);
    calc->addWidget(edit(SetPointEdit::CalcConstT, "edCalcConstT", gbCalc_), 2, 1);
    calc->addWidget(lblCalcM_, 3, 0);
    calc->addWidget(edit(SetPointEdit::CalcM, "edCalcM", gbCalc_), 3, 1);
    calc->setRowStretch(4, 1);
    groups->addWidget(gbCalc_);
    layout->addLayout(groups);
    layout->addStretch(1);
    render();
}

// An edit that has the focus loses it while the page is destroyed: that must not
// reach the logic through a page that is no longer whole.
FrameConfSetPointsView::~FrameConfSetPointsView()
{
    for (ApplyEdit* e : edits_)
        e->disconnect(this);
    edVal_->disconnect(this);
    edVal_->removeEventFilter(this);
}

template <typename F>
void FrameConfSetPointsView::handle(F&& f)
{
    f();
    render();
}

// Enter applies the in-place edit (leaving the focus to the page); Escape drops it.
bool FrameConfSetPointsView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edVal_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            handle([&] { logic_.edValEscape(); });
            background()->setFocus();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            handle([&] { logic_.edValExit(); });
            return true;
        }
    }
    return PageView::eventFilter(watched, event);
}

ApplyEdit* FrameConfSetPointsView::edit(SetPointEdit which, const char* name, QWidget* parent)
{
    auto* e = new ApplyEdit(name, background());
    e->setParent(parent);
    e->setMaximumWidth(60);
    edits_[static_cast<std::size_t>(which)] = e;
    connect(e, &QLineEdit::textEdited, this, [this, which](const QString& text) { logic_.setEdit(which, text.toStdString()); });
    connect(e, &ApplyEdit::focusChanged, this, [this, which](bool in) {
        logic_.setFocusedEdit(in ? static_cast<int>(which) : TFrameConfSetPoints::kNoFocus);
    });
    connect(e, &ApplyEdit::applied, this, [this] { handle([&] { logic_.edHistereseFan1Exit(); }); });
    return e;
}

QLabel* FrameConfSetPointsView::label(const char* name, QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    return l;
}

void FrameConfSetPointsView::placeEditors()
{
    const FrameConfSetPointsState& s = logic_.state();
    const QRect cell = sgSetPoints_->visualRect(sgSetPoints_->model()->index(s.editRow, s.editColumn));
    if (s.editor == FrameConfSetPointsState::Editor::Edit) {
        cbVal_->hide();
        if (!edVal_->isVisible()) {
            edVal_->setGeometry(cell);
            edVal_->setText(qs(s.edVal));
            edVal_->show();
            edVal_->setFocus();
            edVal_->selectAll();
        }
        return;
    }
    if (s.editor == FrameConfSetPointsState::Editor::List) {
        edVal_->hide();
        const QSignalBlocker quiet(cbVal_);
        cbVal_->clear();
        for (const std::string& item : s.cbValItems)
            cbVal_->addItem(qs(item));
        cbVal_->setCurrentIndex(s.cbValIndex);
        cbVal_->setGeometry(cell.adjusted(0, 0, 40, 0));
        cbVal_->show();
        cbVal_->setFocus();
        return;
    }
    if (edVal_->isVisible() || cbVal_->isVisible()) {
        edVal_->hide();
        cbVal_->hide();
        background()->setFocus();
    }
}

// Columns as wide as their header and longest cell in this language, at least the
// device's own widths; the whole grid shows without scrolling.
void FrameConfSetPointsView::fitGrid()
{
    const QFontMetrics plain(sgSetPoints_->font());
    QFont boldFont = sgSetPoints_->font();
    boldFont.setBold(true);
    const QFontMetrics bold(boldFont);
    int width = 2 * sgSetPoints_->frameWidth();
    for (int c = 0; c < kGridColumns; ++c) {
        int w = c == 0 ? kHeaderWidth : kColumnWidth;
        for (int r = 0; r < kGridRows; ++r) {
            const QString text = sgSetPoints_->item(r, c)->text();
            w = std::max(w, (r == 0 || c == 0 ? bold : plain).horizontalAdvance(text) + 14);
        }
        sgSetPoints_->setColumnWidth(c, w);
        width += w;
    }
    sgSetPoints_->setFixedSize(width, 2 * sgSetPoints_->frameWidth() + kGridRows * sgSetPoints_->verticalHeader()->defaultSectionSize());
}

void FrameConfSetPointsView::render()
{
    const FrameConfSetPointsCaptions& c = logic_.captions();
    const FrameConfSetPointsState& s = logic_.state();
    for (int col = 0; col < kGridColumns; ++col)
        sgSetPoints_->item(0, col)->setText(qs(c.header[static_cast<std::size_t>(col)]));
    for (int r = 1; r < kGridRows; ++r) {
        sgSetPoints_->item(r, 0)->setText(QString::number(r));
        for (int col = 1; col < kGridColumns; ++col)
            sgSetPoints_->item(r, col)->setText(qs(s.cells[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(col - 1)]));
    }
    fitGrid();
    placeEditors();

    gbResfriamentoDiario_->setTitle(qs(c.gbResfriamentoDiario));
    lblResfriamentoDiarioInicio_->setText(qs(c.lblResfriamentoDiarioInicio));
    lblResfriamentoDiarioDuracao_->setText(qs(c.lblResfriamentoDiarioDuracao));
    gbConfig_->setTitle(qs(c.gbConfig));
    lblReleAlternado_->setText(qs(c.lblReleAlternado));
    if (cbReleAlternado_->count() != static_cast<int>(c.cbReleAlternadoItems.size()) ||
        cbReleAlternado_->itemText(0) != qs(c.cbReleAlternadoItems[0])) {
        const QSignalBlocker quiet(cbReleAlternado_);
        cbReleAlternado_->clear();
        for (const std::string& item : c.cbReleAlternadoItems)
            cbReleAlternado_->addItem(qs(item));
    }
    {
        const QSignalBlocker quiet(cbReleAlternado_);
        cbReleAlternado_->setCurrentIndex(s.cbReleAlternado);
    }
    rgNumRtd_->setTexts(c.rgNumRtd, {"1", "2", "3", "4", "5", "6"});
    for (int i = 0; i < 6; ++i)
        rgNumRtd_->item(i)->setVisible(i < s.rgNumRtdItems);
    rgNumRtd_->select(s.rgNumRtd);
    gbRedundante_->setTitle(qs(c.gbRedundante));
    gbRedundante_->setVisible(s.gbRedundanteVisible);
    for (std::size_t i = 0; i < cbRedundante_.size(); ++i) {
        cbRedundante_[i]->setChecked(s.redundante[i]);
        cbRedundante_[i]->setVisible(s.redundanteVisible[i]);
    }
    lblMaxDifTemp_->setText(qs(c.lblMaxDifTemp));
    gbCalc_->setTitle(qs(c.gbCalc));
    lblCalcCorrNom_->setText(qs(c.lblCalcCorrNom));
    lblCalcDeltaT_->setText(qs(c.lblCalcDeltaT));
    lblCalcConstT_->setText(qs(c.lblCalcConstT));
    lblCalcM_->setText(qs(c.lblCalcM));
    for (std::size_t e = 0; e < edits_.size(); ++e)
        setEditText(edits_[e], s.edits[e]);
}
