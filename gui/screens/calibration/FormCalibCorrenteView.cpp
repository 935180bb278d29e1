#include "gui/screens/calibration/FormCalibCorrenteView.h"

#include "gui/app/RadioGroupBox.h"
#include "gui/app/WidgetText.h"
#include "gui/screens/calibration/GridCellEditor.h"
#include "gui/screens/calibration/CalibPlot.h"
#include "screens/calibration/FormCalibCorrenteF.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

FormCalibCorrenteView::FormCalibCorrenteView(TFormCalibCorrente& logic, QWidget* parent)
    : LogicDialog(logic, parent)
    , logic_(logic)
{
    setObjectName("FormCalibCorrenteView");
    auto* layout = new QVBoxLayout(this);
    auto* top = new QGridLayout;
    lblIndexSaida_ = new QLabel(this);
    cbIndexSaida_ = new QComboBox(this);
    cbIndexSaida_->setObjectName("cbIndexSaida");
    cbIndexSaida_->addItems({"1", "2", "3", "4"});
    connect(cbIndexSaida_, &QComboBox::activated, this, [this](int i) {
        logic_.cbIndexSaidaChange(i);
        render();
    });
    rgEscala_ = new RadioGroupBox("rgEscala", 2, 2, this);
    connect(rgEscala_, &RadioGroupBox::clicked, this, [this](int i) {
        logic_.rgEscalaClick(i);
        render();
    });
    lblNumPontos_ = new QLabel(this);
    edNumPontos_ = namedEdit("edNumPontos", this);
    edNumPontos_->setMaximumWidth(60);
    forwardEdits(edNumPontos_, [this](const std::string& t) { logic_.setNumPontos(t); });
    connect(edNumPontos_, &QLineEdit::editingFinished, this, [this] {
        logic_.edNumPontosExit();
        render();
    });
    top->addWidget(lblIndexSaida_, 0, 0);
    top->addWidget(cbIndexSaida_, 0, 1);
    top->addWidget(rgEscala_, 0, 2, 2, 1);
    top->addWidget(lblNumPontos_, 1, 0);
    top->addWidget(edNumPontos_, 1, 1);
    layout->addLayout(top);

    auto* middle = new QHBoxLayout;
    sgValores_ = new QTableWidget(0, 2, this);
    sgValores_->setObjectName("sgValores");
    sgValores_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgValores_->setSelectionMode(QAbstractItemView::NoSelection);
    sgValores_->verticalHeader()->hide();
    sgValores_->setColumnWidth(0, 120);
    sgValores_->setColumnWidth(1, 120);
    sgValores_->setMinimumWidth(260);
    connect(sgValores_, &QTableWidget::cellClicked, this, [this](int row, int column) {
        logic_.selectCell(row + 1, column);
        render();
        edVal_->focusIfEditing();
    });
    edVal_ = new GridCellEditor(sgValores_,
                                {[this] { return logic_.editing(); }, [this](const std::string& t) { logic_.setEdVal(t); },
                                 [this] { return logic_.edValConfirm(); }, [this] { logic_.edValEscape(); },
                                 [this] { render(); }},
                                this);
    middle->addWidget(sgValores_);
    plot_ = new CalibPlot(this);
    middle->addWidget(plot_, 1);
    layout->addLayout(middle);

    auto* fit = new QHBoxLayout;
    pnCoefAng_ = namedPanel("pnCoefAng", this);
    pnCoefLin_ = namedPanel("pnCoefLin", this);
    pnCorr_ = namedPanel("pnCorr", this);
    for (QLabel* l : {pnCoefAng_, pnCoefLin_, pnCorr_})
        fit->addWidget(l);
    layout->addLayout(fit);
    pnCalibAtual_ = namedPanel("pnCalibAtual", this);
    layout->addWidget(pnCalibAtual_);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(makeButton(logic_.captions().bbSalvarCalibracao, "bbSalvarCalibracao",
                                  [this] { logic_.bbSalvarCalibracaoClick(); }));
    buttons->addStretch(1);
    buttons->addWidget(makeButton("OK", "bbAceita", [this] { logic_.bbAceitaClick(); }));
    buttons->addWidget(makeButton("Cancel", "bbCancela", [this] { logic_.bbCancelaClick(); }));
    layout->addLayout(buttons);
    resize(680, 480);
    render();
}

void FormCalibCorrenteView::render()
{
    const TFormCalibCorrente::Captions& c = logic_.captions();
    setWindowTitle(qs(c.caption));
    lblIndexSaida_->setText(qs(c.lblIndexSaida));
    cbIndexSaida_->setCurrentIndex(logic_.output());
    rgEscala_->setTexts(c.rgEscala, {c.rgEscala0, c.rgEscala1});
    rgEscala_->select(logic_.rgEscala());
    lblNumPontos_->setText(qs(c.lblNumPontos));
    setEditText(edNumPontos_, logic_.edNumPontos());
    sgValores_->setHorizontalHeaderLabels({qs(c.colDesejada), qs(c.colObtida)});
    const auto& rows = logic_.rows();
    sgValores_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        for (int col = 0; col < 2; ++col) {
            auto* item = new QTableWidgetItem(qs(rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(col)]));
            item->setTextAlignment(Qt::AlignCenter);
            if (logic_.editing() && logic_.editRow() == r + 1)
                item->setBackground(QColor(192, 220, 192));
            sgValores_->setItem(r, col, item);
        }
    }
    edVal_->place(logic_.editing(), logic_.editRow() - 1, logic_.editColumn(), logic_.edVal());
    pnCoefAng_->setText(qs(logic_.fitTexts().coefAng));
    pnCoefLin_->setText(qs(logic_.fitTexts().coefLin));
    pnCorr_->setText(qs(logic_.fitTexts().corr));
    pnCalibAtual_->setText(qs(logic_.pnCalibAtual()));
    std::vector<double> x;
    std::vector<double> y;
    logic_.points(x, y);
    plot_->setData(std::move(x), std::move(y), logic_.fit());
}
