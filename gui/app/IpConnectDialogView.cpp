#include "gui/app/IpConnectDialogView.h"

#include "app/IpConnectDialog.h"
#include "gui/app/WidgetText.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

IpConnectDialogView::IpConnectDialogView(IpConnectDialog& logic, QWidget* parent)
    : LogicDialog(logic, parent)
    , logic_(logic)
    , computerIpCombo_(new QComboBox(this))
    , deviceIpEdit_(namedEdit("deviceIpEdit", this))
    , portEdit_(namedEdit("portEdit", this))
    , hostEdit_(namedEdit("hostEdit", this))
    , hostPortEdit_(namedEdit("hostPortEdit", this))
{
    const IpConnectDialog::Captions& c = logic.captions();
    setWindowTitle(qs(c.caption));
    computerIpCombo_->setObjectName("computerIpCombo");
    computerIpCombo_->setEditable(true);
    for (const std::string& a : logic.computerAddresses())
        computerIpCombo_->addItem(qs(a));

    auto* layout = new QVBoxLayout(this);
    auto* computerRow = new QGridLayout;
    computerRow->addWidget(new QLabel(qs(c.computerIpLabel), this), 0, 0);
    computerRow->addWidget(computerIpCombo_, 0, 1);
    computerRow->setColumnStretch(1, 1);
    layout->addLayout(computerRow);

    auto* ipBox = new QGroupBox(qs(c.ipBox), this);
    ipBox->setObjectName("ipBox");
    auto* ipGrid = new QGridLayout(ipBox);
    ipGrid->addWidget(new QLabel(qs(c.deviceIpLabel), ipBox), 0, 0);
    ipGrid->addWidget(new QLabel(qs(c.portLabel), ipBox), 0, 1);
    ipGrid->addWidget(deviceIpEdit_, 1, 0);
    ipGrid->addWidget(portEdit_, 1, 1);
    const auto defaults = [this] { logic_.defaultsClicked(); };
    QPushButton* defaultIpButton = makeButton(c.defaultIpButton, "defaultIpButton", defaults);
    QPushButton* defaultPortButton = makeButton(c.defaultPortButton, "defaultPortButton", defaults);
    QPushButton* okButton = makeButton("OK", "okButton", [this] { logic_.okClicked(); });
    QPushButton* udpButton = makeButton("UDP", "udpButton", [this] { logic_.udpClicked(); });
    // Nothing in the tool offers the UDP link from here; the network link is TCP.
    udpButton->setVisible(false);
    ipGrid->addWidget(defaultIpButton, 2, 0);
    ipGrid->addWidget(defaultPortButton, 2, 1);
    ipGrid->addWidget(okButton, 2, 2);
    ipGrid->addWidget(udpButton, 1, 2);
    ipGrid->setColumnStretch(0, 1);
    layout->addWidget(ipBox);

    auto* hostBox = new QGroupBox(qs(c.hostBox), this);
    hostBox->setObjectName("hostBox");
    auto* hostGrid = new QGridLayout(hostBox);
    hostGrid->addWidget(new QLabel(qs(c.addressLabel), hostBox), 0, 0);
    hostGrid->addWidget(new QLabel(qs(c.portLabel), hostBox), 0, 1);
    hostGrid->addWidget(hostEdit_, 1, 0);
    hostGrid->addWidget(hostPortEdit_, 1, 1);
    QPushButton* hostDefaultPortButton = makeButton(c.defaultPortButton, "hostDefaultPortButton", defaults);
    QPushButton* hostOkButton = makeButton("OK", "hostOkButton", [this] { logic_.hostOkClicked(); });
    hostGrid->addWidget(hostDefaultPortButton, 2, 1);
    hostGrid->addWidget(hostOkButton, 2, 2);
    hostGrid->setColumnStretch(0, 1);
    layout->addWidget(hostBox);
    setMinimumWidth(420);

    // Enter confirms the group the focus is in: the address and port, or the host name.
    okButton->setDefault(true);
    connect(qApp, &QApplication::focusChanged, this, [okButton, hostOkButton, hostBox](QWidget*, QWidget* now) {
        const bool byName = now != nullptr && hostBox->isAncestorOf(now);
        (byName ? hostOkButton : okButton)->setDefault(true);
    });
    // Each group's fields, then its buttons.
    setTabOrder(computerIpCombo_, deviceIpEdit_);
    setTabOrder(deviceIpEdit_, portEdit_);
    setTabOrder(portEdit_, okButton);
    setTabOrder(okButton, defaultIpButton);
    setTabOrder(defaultIpButton, defaultPortButton);
    setTabOrder(defaultPortButton, hostEdit_);
    setTabOrder(hostEdit_, hostPortEdit_);
    setTabOrder(hostPortEdit_, hostOkButton);
    setTabOrder(hostOkButton, hostDefaultPortButton);

    connect(computerIpCombo_, &QComboBox::currentTextChanged, this, [this](const QString& t) { logic_.setComputerIp(t.toStdString()); });
    forwardEdits(deviceIpEdit_, [this](const std::string& t) { logic_.setDeviceIp(t); });
    forwardEdits(hostEdit_, [this](const std::string& t) { logic_.setHost(t); });
    // Only the user's typing is forwarded, so the copy into the other field does not echo.
    forwardEdits(portEdit_, [this](const std::string& t) {
        logic_.portEdited(t);
        render();
    });
    forwardEdits(hostPortEdit_, [this](const std::string& t) {
        logic_.hostPortEdited(t);
        render();
    });
    render();
}

void IpConnectDialogView::render()
{
    setComboText(computerIpCombo_, logic_.computerIp());
    setEditText(deviceIpEdit_, logic_.deviceIp());
    setEditText(portEdit_, logic_.portText());
    setEditText(hostEdit_, logic_.host());
    setEditText(hostPortEdit_, logic_.hostPortText());
}
