#include "gui/screens/calibration/FormCalibRegressaoView.h"

#include "gui/app/WidgetText.h"
#include "gui/screens/calibration/CalibPlot.h"
#include "screens/calibration/FormCalibRTDRegressaoF.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

FormCalibRegressaoView::FormCalibRegressaoView(TFormCalibRegressao& logic, TFormCalibRTDRegressao* rtd,
                                               QWidget* parent)
    : LogicDialog(logic, parent)
    , logic_(logic)
    , rtd_(rtd)
{
    setObjectName("FormCalibRegressaoView");
    const TFormCalibRegressao::Captions& c = logic_.captions();
    auto* layout = new QVBoxLayout(this);

    auto* channel = new QHBoxLayout;
    bbAnterior_ = makeButton(c.bbAnterior, "bbAnterior", [this] { handle([&] { logic_.bbAnteriorClick(); }); });
    pnCanal_ = namedPanel("pnCanal", this);
    pnCanal_->setAlignment(Qt::AlignCenter);
    bbProximo_ = makeButton(c.bbProximo, "bbProximo", [this] { handle([&] { logic_.bbProximoClick(); }); });
    channel->addWidget(bbAnterior_);
    channel->addWidget(pnCanal_, 1);
    channel->addWidget(bbProximo_);
    layout->addLayout(channel);

    auto* entry = new QGridLayout;
    lblMedido_ = new QLabel(this);
    edMedido_ = namedEdit("edMedido", this);
    forwardEdits(edMedido_, [this](const std::string& t) { logic_.setMedido(t); });
    bbLerValor_ = makeButton(c.bbLerValor, "bbLerValor", [this] { handle([&] { logic_.bbLerValorClick(); }); });
    pnMedidaAtual_ = namedPanel("pnMedidaAtual", this);
    pnMedidaAtual_->setMinimumWidth(200);
    lblEsperado_ = new QLabel(this);
    edEsperado_ = namedEdit("edEsperado", this);
    forwardEdits(edEsperado_, [this](const std::string& t) { logic_.setEsperado(t); });
    entry->addWidget(lblMedido_, 0, 0);
    entry->addWidget(edMedido_, 0, 1);
    entry->addWidget(bbLerValor_, 0, 2);
    entry->addWidget(pnMedidaAtual_, 0, 3);
    entry->addWidget(lblEsperado_, 1, 0);
    entry->addWidget(edEsperado_, 1, 1);
    if (rtd_ != nullptr) {
        cbUnidade_ = new QComboBox(this);
        cbUnidade_->setObjectName("cbUnidade");
        cbUnidade_->addItems({"ohms", "ºC"});
        connect(cbUnidade_, &QComboBox::activated, this, [this](int i) { rtd_->cbUnidadeSelect(i); });
        entry->addWidget(cbUnidade_, 1, 2);
    }
    layout->addLayout(entry);

    auto* edit = new QHBoxLayout;
    bbAdicionar_ = makeButton(c.bbAdicionar, "bbAdicionar", [this] { handle([&] { logic_.bbAdicionarClick(); }); });
    bbRemover_ = makeButton(c.bbRemover, "bbRemover",
                            [this] { handle([&] { logic_.bbRemoverClick(sgValores_->currentRow() + 1); }); });
    edit->addWidget(bbAdicionar_);
    edit->addWidget(bbRemover_);
    edit->addStretch(1);
    layout->addLayout(edit);

    auto* middle = new QHBoxLayout;
    sgValores_ = new QTableWidget(0, static_cast<int>(c.header.size()), this);
    sgValores_->setObjectName("sgValores");
    sgValores_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgValores_->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgValores_->setSelectionMode(QAbstractItemView::SingleSelection);
    sgValores_->verticalHeader()->hide();
    sgValores_->setColumnWidth(0, 30);
    for (int col = 1; col < sgValores_->columnCount(); ++col)
        sgValores_->setColumnWidth(col, 120);
    sgValores_->setMinimumWidth(40 + 120 * (sgValores_->columnCount() - 1));
    middle->addWidget(sgValores_);
    plot_ = new CalibPlot(this);
    middle->addWidget(plot_, 1);
    layout->addLayout(middle);

    auto* fit = new QHBoxLayout;
    pnCoefAng_ = namedPanel("pnCoefAng", this);
    pnCoefLin_ = namedPanel("pnCoefLin", this);
    pnCorrelacao_ = namedPanel("pnCorrelacao", this);
    for (QLabel* l : {pnCoefAng_, pnCoefLin_, pnCorrelacao_})
        fit->addWidget(l);
    layout->addLayout(fit);
    auto* bottom = new QHBoxLayout;
    pnCalibAtual_ = namedPanel("pnCalibAtual", this);
    bottom->addWidget(pnCalibAtual_, 1);
    bbSalvarCalibracao_ = makeButton(c.bbSalvarCalibracao, "bbSalvarCalibracao",
                                     [this] { handle([&] { logic_.bbSalvarCalibracaoClick(); }); });
    bottom->addWidget(bbSalvarCalibracao_);
    layout->addLayout(bottom);

    timerUpdate_ = new QTimer(this);
    timerUpdate_->setInterval(800);
    connect(timerUpdate_, &QTimer::timeout, this, [this] { handle([&] { logic_.TimerUpdate(); }); });
    timerUpdate_->start();
    resize(820, 520);
    render();
}

template <typename F>
void FormCalibRegressaoView::handle(F&& f)
{
    f();
    render();
}

void FormCalibRegressaoView::reject()
{
    if (logic_.closeQuery())
        LogicDialog::reject();
}

void FormCalibRegressaoView::render()
{
    const TFormCalibRegressao::Captions& c = logic_.captions();
    setWindowTitle(qs(c.caption));
    bbAnterior_->setVisible(logic_.stepsVisible());
    bbProximo_->setVisible(logic_.stepsVisible());
    pnCanal_->setText(qs(logic_.channelName()));
    lblMedido_->setText(qs(c.lblMedido));
    lblEsperado_->setText(qs(c.lblEsperado));
    setEditText(edMedido_, logic_.edMedido());
    setEditText(edEsperado_, logic_.edEsperado());
    if (cbUnidade_ != nullptr)
        cbUnidade_->setCurrentIndex(rtd_->cbUnidade());
    pnMedidaAtual_->setText(qs(logic_.pnMedidaAtual()));
    QStringList header;
    for (const std::string& h : c.header)
        header << qs(h);
    sgValores_->setHorizontalHeaderLabels(header);
    const auto& rows = logic_.rows();
    if (sgValores_->rowCount() != static_cast<int>(rows.size()))
        sgValores_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const auto& texts = rows[static_cast<std::size_t>(r)];
        for (int col = 0; col < static_cast<int>(texts.size()) && col < sgValores_->columnCount(); ++col) {
            auto* item = new QTableWidgetItem(qs(texts[static_cast<std::size_t>(col)]));
            item->setTextAlignment(Qt::AlignCenter);
            sgValores_->setItem(r, col, item);
        }
    }
    pnCoefAng_->setText(qs(logic_.fitTexts().coefAng));
    pnCoefLin_->setText(qs(logic_.fitTexts().coefLin));
    pnCorrelacao_->setText(qs(logic_.fitTexts().corr));
    pnCalibAtual_->setText(qs(logic_.pnCalibAtual()));
    plot_->setData(logic_.xs(), logic_.ys(), logic_.fit());
}
