#include "gui/screens/calibration/FrameTesteCalibracaoView.h"

#include "gui/app/ApplyEdit.h"
#include "gui/app/DecimalSeparator.h"
#include "gui/app/RadioGroupBox.h"
#include "gui/app/WidgetText.h"
#include "gui/screens/thermal/FormTesteValoresView.h"
#include "screens/calibration/FrameTesteCalibracaoF.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

FrameTesteCalibracaoView::FrameTesteCalibracaoView(TFrameTesteCalibracao& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("FrameTesteCalibracaoView");
    logic_.setDecimalSeparator(systemDecimalSeparator());
    QVBoxLayout* layout = addBackground();
    QWidget* pnBack = background();
    auto* columns = new QHBoxLayout;

    auto* left = new QVBoxLayout;
    rgModoTesteCalibracao_ = new RadioGroupBox("rgModoTesteCalibracao", 2, 2, pnBack);
    connect(rgModoTesteCalibracao_, &RadioGroupBox::clicked, this,
            [this](int i) { handle([&] { logic_.rgModoTesteCalibracaoClick(i); }); });
    left->addWidget(rgModoTesteCalibracao_);
    cbDesativaCalib_ = new QCheckBox(pnBack);
    cbDesativaCalib_->setObjectName("cbDesativaCalib");
    connect(cbDesativaCalib_, &QCheckBox::clicked, this,
            [this](bool checked) { handle([&] { logic_.cbDesativaCalibClick(checked); }); });
    left->addWidget(cbDesativaCalib_);

    auto* grid = new QGridLayout;
    const auto label = [pnBack](const char* name) {
        auto* l = new QLabel(pnBack);
        l->setObjectName(name);
        return l;
    };
    lblSaidaCorrente_ = label("lblSaidaCorrente");
    lblCalibR127_ = label("lblCalibR127");
    lblNumSerie_ = label("lblNumSerie");
    edSaidaCorrente_ = edit("edSaidaCorrente", TFrameTesteCalibracao::kSaidaCorrente);
    connect(edSaidaCorrente_, &QLineEdit::textEdited, this,
            [this](const QString& t) { logic_.setSaidaCorrente(t.toStdString()); });
    edCalib127_ = edit("edCalib127", TFrameTesteCalibracao::kCalib127);
    connect(edCalib127_, &QLineEdit::textEdited, this, [this](const QString& t) { logic_.setCalib127(t.toStdString()); });
    edNumSerie_ = edit("edNumSerie", TFrameTesteCalibracao::kNumSerie);
    connect(edNumSerie_, &QLineEdit::textEdited, this, [this](const QString& t) { logic_.setNumSerie(t.toStdString()); });
    grid->addWidget(lblSaidaCorrente_, 0, 0);
    grid->addWidget(edSaidaCorrente_, 0, 1);
    grid->addWidget(lblCalibR127_, 1, 0);
    grid->addWidget(edCalib127_, 1, 1);
    grid->addWidget(lblNumSerie_, 2, 0);
    grid->addWidget(edNumSerie_, 2, 1);
    left->addLayout(grid);
    pnTamanhoParametros_ = namedPanel("pnTamanhoParametros", pnBack);
    left->addWidget(pnTamanhoParametros_);
    left->addStretch(1);
    columns->addLayout(left);

    auto* right = new QVBoxLayout;
    bbCalibrarSaidaCorrente_ = button("bbCalibrarSaidaCorrente");
    bbCalibrarRTDs_ = button("bbCalibrarRTDs");
    bbCalibrarRTDRegressao_ = button("bbCalibrarRTDRegressao");
    bbCalibrarEntrCorrReg_ = button("bbCalibrarEntrCorrReg");
    bbLerParTeste_ = button("bbLerParTeste");
    bbLerUltimosErros_ = button("bbLerUltimosErros");
    bbSimulaMedidas_ = button("bbSimulaMedidas");
    for (QPushButton* b : {bbCalibrarSaidaCorrente_, bbCalibrarRTDs_, bbCalibrarRTDRegressao_, bbCalibrarEntrCorrReg_,
                           bbLerParTeste_, bbLerUltimosErros_, bbSimulaMedidas_})
        right->addWidget(b);
    right->addStretch(1);
    columns->addLayout(right);
    layout->addLayout(columns);

    connect(bbCalibrarSaidaCorrente_, &QPushButton::clicked, this,
            [this] { handle([&] { logic_.bbCalibrarSaidaCorrenteClick(); }); });
    connect(bbCalibrarRTDs_, &QPushButton::clicked, this, [this] { handle([&] { logic_.bbCalibrarRTDsClick(); }); });
    connect(bbCalibrarRTDRegressao_, &QPushButton::clicked, this,
            [this] { handle([&] { logic_.bbCalibrarRTDRegressaoClick(); }); });
    connect(bbCalibrarEntrCorrReg_, &QPushButton::clicked, this,
            [this] { handle([&] { logic_.bbCalibrarEntrCorrRegClick(); }); });
    connect(bbLerParTeste_, &QPushButton::clicked, this, [this] { handle([&] { logic_.bbLerParTesteClick(); }); });
    connect(bbLerUltimosErros_, &QPushButton::clicked, this, [this] { handle([&] { logic_.bbLerUltimosErrosClick(); }); });
    connect(bbSimulaMedidas_, &QPushButton::clicked, this, [this] {
        if (!logic_.bbSimulaMedidasClick())
            return;
        if (testeValores_.isNull())
            testeValores_ = new FormTesteValoresView(logic_.testeValores(), window());
        testeValores_->showAt(this);
    });
    render();
}

// An edit that has the focus loses it while the page is destroyed: that must not
// reach the logic through a page that is no longer whole.
FrameTesteCalibracaoView::~FrameTesteCalibracaoView()
{
    for (ApplyEdit* e : {edSaidaCorrente_, edCalib127_, edNumSerie_})
        e->disconnect(this);
}

template <typename F>
void FrameTesteCalibracaoView::handle(F&& f)
{
    f();
    render();
}

ApplyEdit* FrameTesteCalibracaoView::edit(const char* name, int focus)
{
    auto* e = new ApplyEdit(name, background());
    e->setMaximumWidth(110);
    connect(e, &ApplyEdit::focusChanged, this, [this, focus](bool in) {
        logic_.setFocus(in ? static_cast<TFrameTesteCalibracao::Focus>(focus) : TFrameTesteCalibracao::kNoFocus);
    });
    connect(e, &ApplyEdit::applied, this, [this] { handle([&] { logic_.editExit(); }); });
    return e;
}

QPushButton* FrameTesteCalibracaoView::button(const char* name)
{
    auto* b = new QPushButton(background());
    b->setObjectName(name);
    b->setMinimumWidth(240);
    return b;
}

void FrameTesteCalibracaoView::render()
{
    const FrameTesteCalibracaoCaptions& c = logic_.captions();
    const FrameTesteCalibracaoState& s = logic_.state();
    rgModoTesteCalibracao_->setTexts(c.rgModoTesteCalibracao, {c.modoDesligado, c.modoLigado});
    rgModoTesteCalibracao_->select(s.rgModoTesteCalibracao);
    cbDesativaCalib_->setText(qs(c.cbDesativaCalib));
    cbDesativaCalib_->setChecked(s.cbDesativaCalib);
    lblSaidaCorrente_->setText(qs(s.lblSaidaCorrente));
    lblCalibR127_->setText(qs(c.lblCalibR127));
    lblNumSerie_->setText(qs(c.lblNumSerie));
    setEditText(edSaidaCorrente_, s.edSaidaCorrente);
    setEditText(edCalib127_, s.edCalib127);
    setEditText(edNumSerie_, s.edNumSerie);
    pnTamanhoParametros_->setText(qs(s.pnTamanhoParametros));
    bbCalibrarSaidaCorrente_->setText(qs(c.bbCalibrarSaidaCorrente));
    bbCalibrarRTDs_->setText(qs(c.bbCalibrarRTDs));
    bbCalibrarRTDRegressao_->setText(qs(c.bbCalibrarRTDRegressao));
    bbCalibrarEntrCorrReg_->setText(qs(c.bbCalibrarEntrCorrReg));
    bbLerParTeste_->setText(qs(c.bbLerParTeste));
    bbLerUltimosErros_->setText(qs(c.bbLerUltimosErros));
    bbSimulaMedidas_->setText(qs(c.bbSimulaMedidas));
    if (!testeValores_.isNull() && testeValores_->isVisible())
        testeValores_->render();
}
