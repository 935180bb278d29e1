#include "gui/screens/irrigation/Form_QLX700IRR_ManualView.h"

#include "gui/app/ApplyEdit.h"
#include "gui/app/WidgetText.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

Form_QLX700IRR_ManualView::Form_QLX700IRR_ManualView(TForm_QLX700IRR_Manual& logic, QWidget* parent)
    : LogicDialog(logic, parent)
    , logic_(logic)
    , pnBack_(new QWidget(this))
    , timer_(new QTimer(this))
{
    const TForm_QLX700IRR_Manual::Captions& c = logic.captions();
    setWindowTitle(qs(c.caption));
    // Enter in the duration leaves the focus here.
    pnBack_->setObjectName("pnBack");
    pnBack_->setFocusPolicy(Qt::ClickFocus);

    gbCicloManual_ = new QGroupBox(pnBack_);
    gbCicloManual_->setObjectName("gbCicloManual");
    auto* branches = new QVBoxLayout;
    for (int k = 1; k <= TForm_QLX700IRR_Manual::kBranches; ++k) {
        const QByteArray name = QString("cbCicloValvula%1").arg(k).toLatin1();
        cbCicloValvula_[static_cast<std::size_t>(k - 1)] =
            box(name.constData(), gbCicloManual_, [this, k](bool on) { logic_.setCicloValvula(k, on); });
        branches->addWidget(cbCicloValvula_[static_cast<std::size_t>(k - 1)]);
    }
    lblDuracao_ = new QLabel(gbCicloManual_);
    lblDuracao_->setObjectName("lblDuracao");
    edDuracao_ = new ApplyEdit("edDuracao", pnBack_);
    edDuracao_->setMaximumWidth(90);
    connect(edDuracao_, &QLineEdit::textEdited, this,
            [this](const QString& t) { logic_.setEdDuracao(t.toStdString()); });
    connect(edDuracao_, &ApplyEdit::focusChanged, this, [this](bool in) { logic_.setDuracaoFocused(in); });
    connect(edDuracao_, &ApplyEdit::applied, this, [this] {
        logic_.cbCicloValvula1Click();
        render();
    });
    auto* cycle = new QVBoxLayout;
    cycle->addWidget(lblDuracao_);
    cycle->addWidget(edDuracao_);
    cycle->addStretch(1);
    cycle->addWidget(makeButton(c.bbCicloManual, "bbCicloManual", [this] { logic_.bbCicloManualClick(); }));
    cycle->addWidget(
        makeButton(c.bbCicloManualCancelar, "bbCicloManualCancelar", [this] { logic_.bbCicloManualCancelarClick(); }));
    auto* cycleRow = new QHBoxLayout(gbCicloManual_);
    cycleRow->addLayout(branches);
    cycleRow->addSpacing(16);
    cycleRow->addLayout(cycle);

    gbControleManual_ = new QGroupBox(pnBack_);
    gbControleManual_->setObjectName("gbControleManual");
    auto* control = new QVBoxLayout(gbControleManual_);
    cbManualBomba_ = box("cbManualBomba", gbControleManual_, [this](bool on) { logic_.setManualBomba(on); });
    control->addWidget(cbManualBomba_);
    for (int k = 1; k <= TForm_QLX700IRR_Manual::kBranches; ++k) {
        const QByteArray name = QString("cbValvula%1").arg(k).toLatin1();
        cbValvula_[static_cast<std::size_t>(k - 1)] =
            box(name.constData(), gbControleManual_, [this, k](bool on) { logic_.setValvula(k, on); });
        control->addWidget(cbValvula_[static_cast<std::size_t>(k - 1)]);
    }
    control->addStretch(1);

    auto* groups = new QHBoxLayout(pnBack_);
    groups->addWidget(gbCicloManual_);
    groups->addWidget(gbControleManual_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pnBack_);

    timer_->setObjectName("TimerUpdate");
    timer_->setInterval(TForm_QLX700IRR_Manual::kTimerInterval);
    connect(timer_, &QTimer::timeout, this, &Form_QLX700IRR_ManualView::tick);
}

// A box's click: its new state, then the form is sent.
QCheckBox* Form_QLX700IRR_ManualView::box(const char* name, QWidget* parent, std::function<void(bool)> set)
{
    auto* b = new QCheckBox(parent);
    b->setObjectName(name);
    connect(b, &QCheckBox::clicked, this, [this, set = std::move(set)](bool on) {
        set(on);
        logic_.cbCicloValvula1Click();
        render();
    });
    return b;
}

void Form_QLX700IRR_ManualView::tick()
{
    logic_.TimerUpdateTimer();
    render();
}

void Form_QLX700IRR_ManualView::showEvent(QShowEvent* event)
{
    LogicDialog::showEvent(event);
    if (logic_.timerEnabled())
        timer_->start();
}

void Form_QLX700IRR_ManualView::hideEvent(QHideEvent* event)
{
    timer_->stop();
    LogicDialog::hideEvent(event);
}

void Form_QLX700IRR_ManualView::render()
{
    const TForm_QLX700IRR_Manual::Captions& c = logic_.captions();
    const TForm_QLX700IRR_Manual::State& s = logic_.state();
    gbCicloManual_->setTitle(qs(c.gbCicloManual));
    gbControleManual_->setTitle(qs(c.gbControleManual));
    lblDuracao_->setText(qs(c.lblDuracao));
    cbManualBomba_->setText(qs(c.cbManualBomba));
    cbManualBomba_->setChecked(s.cbManualBomba);
    cbManualBomba_->setEnabled(s.controleEnabled);
    for (std::size_t k = 0; k < cbValvula_.size(); ++k) {
        cbCicloValvula_[k]->setText(qs(c.ramais[k]));
        cbCicloValvula_[k]->setChecked(s.cbCicloValvula[k]);
        cbCicloValvula_[k]->setEnabled(s.cicloEnabled);
        cbValvula_[k]->setText(qs(c.ramais[k]));
        cbValvula_[k]->setChecked(s.cbValvula[k]);
        cbValvula_[k]->setEnabled(s.controleEnabled);
    }
    setEditText(edDuracao_, s.edDuracao);
}
