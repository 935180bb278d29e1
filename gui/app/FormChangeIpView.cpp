#include "gui/app/FormChangeIpView.h"

#include "app/FormChangeIpF.h"
#include "gui/app/WidgetText.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

FormChangeIpView::FormChangeIpView(TFormChangeIp& logic, QWidget* parent)
    : LogicDialog(logic, parent)
    , logic_(logic)
    , edIp_(namedEdit("edIp", this))
    , edPort_(namedEdit("edPort", this))
    , edSSID_(namedEdit("edSSID", this))
    , edPass_(namedEdit("edPass", this))
    , edPortWifi_(namedEdit("edPortWifi", this))
    , edIpGot_(namedEdit("edIpGot", this, true))
    , edMac_(namedEdit("edMac", this, true))
    , pnWifiSignal_(new QLabel(this))
    , timer_(new QTimer(this))
{
    const TFormChangeIp::Captions& c = logic.captions();
    setWindowTitle(qs(c.caption));
    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    auto* network = new QFormLayout;
    network->setRowWrapPolicy(QFormLayout::WrapAllRows);
    network->addRow(qs(c.lblIp), edIp_);
    network->addRow(qs(c.lblPort), edPort_);
    columns->addLayout(network);
    if (logic.wifi()) {
        edSSID_->setMaxLength(32);
        edPass_->setMaxLength(32);
        auto* wifi = new QGroupBox("Wi-Fi", this);
        auto* form = new QFormLayout(wifi);
        form->addRow(qs(c.lblSSID), edSSID_);
        form->addRow(qs(c.lblPass), edPass_);
        form->addRow(qs(c.lblPortWifi), edPortWifi_);
        form->addRow(qs(c.lblIpGot), edIpGot_);
        form->addRow(qs(c.lblMac), edMac_);
        pnWifiSignal_->setObjectName("pnWifiSignal");
        pnWifiSignal_->setAlignment(Qt::AlignCenter);
        pnWifiSignal_->setFrameShape(QFrame::StyledPanel);
        form->addRow(pnWifiSignal_);
        columns->addWidget(wifi, 1);
    } else {
        for (QWidget* w : {static_cast<QWidget*>(edSSID_), static_cast<QWidget*>(edPass_),
                           static_cast<QWidget*>(edPortWifi_), static_cast<QWidget*>(edIpGot_),
                           static_cast<QWidget*>(edMac_), static_cast<QWidget*>(pnWifiSignal_)})
            w->hide();
    }
    layout->addLayout(columns);
    addOkCancel(layout, c.bbOk, [this] { logic_.bbOkClick(); }, c.bbCancelar, "bbCancelar",
                [this] { logic_.bbCancelarClick(); });
    setFixedWidth(logic.clientWidth());

    forwardEdits(edIp_, [this](const std::string& t) { logic_.setEdIp(t); });
    forwardEdits(edPort_, [this](const std::string& t) { logic_.setEdPort(t); });
    forwardEdits(edSSID_, [this](const std::string& t) { logic_.setEdSSID(t); });
    forwardEdits(edPass_, [this](const std::string& t) { logic_.setEdPass(t); });
    forwardEdits(edPortWifi_, [this](const std::string& t) { logic_.setEdPortWifi(t); });
    timer_->setInterval(TFormChangeIp::kTimerInterval);
    connect(timer_, &QTimer::timeout, this, [this] {
        logic_.Timer1Timer();
        render();
    });
}

void FormChangeIpView::firstShow()
{
    logic_.FormShow();
    if (logic_.timerEnabled())
        timer_->start();
}

void FormChangeIpView::render()
{
    setEditText(edIp_, logic_.edIp());
    setEditText(edPort_, logic_.edPort());
    setEditText(edSSID_, logic_.edSSID());
    setEditText(edPass_, logic_.edPass());
    setEditText(edPortWifi_, logic_.edPortWifi());
    setEditText(edIpGot_, logic_.edIpGot());
    setEditText(edMac_, logic_.edMac());
    pnWifiSignal_->setText(qs(logic_.pnWifiSignal()));
}
