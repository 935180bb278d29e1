#include "gui/screens/common/GeneralFrameWidgets.h"

#include "gui/app/WidgetText.h"
#include "gui/screens/common/PanelStyle.h"
#include "screens/common/GeneralFrameF.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QLabel* panel(const char* name, QWidget* parent)
{
    QLabel* p = namedPanel(name, parent);
    p->setAlignment(Qt::AlignCenter);
    p->setMinimumHeight(24);
    return p;
}

} // namespace

GeneralFrameWidgets::GeneralFrameWidgets(TGeneralFrame& logic, QWidget* parent, Handle handle,
                                         std::function<void()> tick)
    : QObject(parent)
    , logic_(logic)
    , handle_(std::move(handle))
{
    connection_ = new QGroupBox(parent);
    connection_->setObjectName("gbConexao");
    connectionGrid_ = new QGridLayout(connection_);
    bbConectar_ = button("bbConectar", connection_, [this] { logic_.bbConectarClick(false); });
    bbConectarUsb_ = button("bbConectarUsb", connection_, [this] { logic_.bbConectarClick(true); });
    bbConectarIP_ = button("bbConectarIP", connection_, [this] { logic_.bbConectarIPClick(); });
    pnNumSerie_ = panel("pnNumSerie", connection_);
    pnVersaoFirmware_ = panel("pnVersaoFirmware", connection_);
    bbAlterarSenha_ = button("bbAlterarSenha", connection_, [this] { logic_.bbAlterarSenhaClick(); });
    bbAlterarIP_ = button("bbAlterarIP", connection_, [this] { logic_.bbAlterarIPClick(); });
    bbSalvarConf_ = button("bbSalvarConf", connection_, [this] { logic_.bbSalvarConfClick(); });
    bbCarregarConf_ = button("bbCarregarConf", connection_, [this] { logic_.bbCarregarConfClick(); });
    connectionGrid_->addWidget(bbConectar_, 0, 0);
    connectionGrid_->addWidget(bbConectarUsb_, 0, 1);
    connectionGrid_->addWidget(bbConectarIP_, 0, 2);
    connectionGrid_->addWidget(pnNumSerie_, 1, 0, 1, 3);
    connectionGrid_->addWidget(pnVersaoFirmware_, 2, 0, 1, 3);
    connectionGrid_->addWidget(bbAlterarSenha_, 3, 0);
    connectionGrid_->addWidget(bbAlterarIP_, 3, 1);
    connectionGrid_->addWidget(bbSalvarConf_, 4, 0);
    connectionGrid_->addWidget(bbCarregarConf_, 4, 1);

    clock_ = new QGroupBox(parent);
    clock_->setObjectName("gbRelogio");
    auto* column = new QVBoxLayout(clock_);
    pnRelogio_ = panel("pnRelogio", clock_);
    pnRelogio_->setMinimumHeight(36);
    QFont font = pnRelogio_->font();
    font.setPointSizeF(font.pointSizeF() * 1.3);
    font.setBold(true);
    pnRelogio_->setFont(font);
    lblSemResposta_ = new QLabel(clock_);
    lblSemResposta_->setObjectName("lblSemResposta");
    lblSemResposta_->setAlignment(Qt::AlignCenter);
    lblSemResposta_->setStyleSheet("color: #B00000; font-weight: bold;");
    bbAjustarRelogioComputador_ = button("bbAjustarRelogioComputador", clock_,
                                         [this] { logic_.bbAjustarRelogioComputadorClick(); });
    bbAjustarRelogioManual_ = button("bbAjustarRelogioManual", clock_, [this] { logic_.bbAjustarRelogioManualClick(); });
    column->addWidget(pnRelogio_);
    column->addWidget(lblSemResposta_);
    column->addWidget(bbAjustarRelogioComputador_);
    column->addWidget(bbAjustarRelogioManual_);
    column->addStretch(1);

    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(kTimerMs);
    connect(timer1_, &QTimer::timeout, this, [this, tick = std::move(tick)] {
        if (logic_.timerEnabled())
            tick();
    });
    timer1_->start();
}

QPushButton* GeneralFrameWidgets::button(const char* name, QWidget* parent, std::function<void()> click)
{
    auto* b = new QPushButton(parent);
    b->setObjectName(name);
    connect(b, &QPushButton::clicked, this, [this, click = std::move(click)] { handle_(click); });
    return b;
}

bool GeneralFrameWidgets::stale() const
{
    return logic_.general().stale;
}

void GeneralFrameWidgets::render()
{
    const GeneralFrameCaptions& c = logic_.generalCaptions();
    const GeneralFrameState& s = logic_.general();
    bbConectar_->setText(qs(c.bbConectar));
    bbConectar_->setVisible(s.bbConectarVisible);
    bbConectarUsb_->setText(qs(c.bbConectarUsb));
    bbConectarIP_->setText(qs(c.bbConectarIP));
    bbConectarUsb_->setEnabled(s.bbConectarUsbEnabled);
    bbConectarIP_->setEnabled(s.bbConectarIPEnabled);
    bbAjustarRelogioComputador_->setText(qs(c.bbAjustarRelogioComputador));
    bbAjustarRelogioManual_->setText(qs(c.bbAjustarRelogioManual));
    bbAlterarSenha_->setText(qs(c.bbAlterarSenha));
    bbAlterarIP_->setText(qs(c.bbAlterarIP));
    bbSalvarConf_->setText(qs(c.bbSalvarConf));
    bbCarregarConf_->setText(qs(c.bbCarregarConf));
    setPanel(pnNumSerie_, s.pnNumSerie);
    setPanel(pnVersaoFirmware_, s.pnVersaoFirmware);
    pnRelogio_->setText(qs(s.pnRelogio));
    pnRelogio_->setEnabled(!s.stale);
    lblSemResposta_->setText(qs(s.staleMarker));
    lblSemResposta_->setVisible(s.stale);
}

QHBoxLayout* GeneralFrameWidgets::topRow() const
{
    auto* top = new QHBoxLayout;
    top->addWidget(connection_);
    top->addWidget(clock_, 1);
    return top;
}
