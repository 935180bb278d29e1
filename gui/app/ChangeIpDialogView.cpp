#include "gui/app/ChangeIpDialogView.h"

#include "app/ChangeIpDialog.h"
#include "gui/app/WidgetText.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

ChangeIpDialogView::ChangeIpDialogView(ChangeIpDialog& logic, QWidget* parent)
    : LogicDialog(logic, parent)
    , logic_(logic)
    , ipEdit_(namedEdit("ipEdit", this))
    , portEdit_(namedEdit("portEdit", this))
    , ssidEdit_(namedEdit("ssidEdit", this))
    , wifiPasswordEdit_(namedEdit("wifiPasswordEdit", this))
    , wifiPortEdit_(namedEdit("wifiPortEdit", this))
    , obtainedIpEdit_(namedEdit("obtainedIpEdit", this, true))
    , macEdit_(namedEdit("macEdit", this, true))
    , wifiSignalPanel_(new QLabel(this))
    , timer_(new QTimer(this))
{
    const ChangeIpDialog::Captions& c = logic.captions();
    setWindowTitle(qs(c.caption));
    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    auto* network = new QFormLayout;
    network->setRowWrapPolicy(QFormLayout::WrapAllRows);
    network->addRow(qs(c.ipLabel), ipEdit_);
    network->addRow(qs(c.portLabel), portEdit_);
    columns->addLayout(network);
    if (logic.wifi()) {
        ssidEdit_->setMaxLength(32);
        wifiPasswordEdit_->setMaxLength(32);
        auto* wifi = new QGroupBox("Wi-Fi", this);
        auto* form = new QFormLayout(wifi);
        form->addRow(qs(c.ssidLabel), ssidEdit_);
        form->addRow(qs(c.wifiPasswordLabel), wifiPasswordEdit_);
        form->addRow(qs(c.wifiPortLabel), wifiPortEdit_);
        form->addRow(qs(c.obtainedIpLabel), obtainedIpEdit_);
        form->addRow(qs(c.macLabel), macEdit_);
        wifiSignalPanel_->setObjectName("wifiSignalPanel");
        wifiSignalPanel_->setAlignment(Qt::AlignCenter);
        wifiSignalPanel_->setFrameShape(QFrame::StyledPanel);
        form->addRow(wifiSignalPanel_);
        columns->addWidget(wifi, 1);
    } else {
        for (QWidget* w : {static_cast<QWidget*>(ssidEdit_), static_cast<QWidget*>(wifiPasswordEdit_),
                           static_cast<QWidget*>(wifiPortEdit_), static_cast<QWidget*>(obtainedIpEdit_),
                           static_cast<QWidget*>(macEdit_), static_cast<QWidget*>(wifiSignalPanel_)})
            w->hide();
    }
    layout->addLayout(columns);
    addOkCancel(layout, c.okButton, [this] { logic_.okClicked(); }, c.cancelButton, "cancelButton",
                [this] { logic_.cancelClicked(); });
    setFixedWidth(logic.clientWidth());

    forwardEdits(ipEdit_, [this](const std::string& t) { logic_.setIpText(t); });
    forwardEdits(portEdit_, [this](const std::string& t) { logic_.setPortText(t); });
    forwardEdits(ssidEdit_, [this](const std::string& t) { logic_.setSsid(t); });
    forwardEdits(wifiPasswordEdit_, [this](const std::string& t) { logic_.setWifiPassword(t); });
    forwardEdits(wifiPortEdit_, [this](const std::string& t) { logic_.setWifiPortText(t); });
    timer_->setInterval(ChangeIpDialog::kTimerInterval);
    connect(timer_, &QTimer::timeout, this, [this] {
        logic_.tick();
        render();
    });
}

void ChangeIpDialogView::firstShow()
{
    logic_.readDevice();
    if (logic_.timerEnabled())
        timer_->start();
}

void ChangeIpDialogView::render()
{
    setEditText(ipEdit_, logic_.ipText());
    setEditText(portEdit_, logic_.portText());
    setEditText(ssidEdit_, logic_.ssid());
    setEditText(wifiPasswordEdit_, logic_.wifiPassword());
    setEditText(wifiPortEdit_, logic_.wifiPortText());
    setEditText(obtainedIpEdit_, logic_.obtainedIp());
    setEditText(macEdit_, logic_.mac());
    wifiSignalPanel_->setText(qs(logic_.wifiSignal()));
}
