#include "gui/app/FormEntraIPView.h"

#include "app/FormEntraIPF.h"
#include "gui/app/WidgetText.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FormEntraIPView::FormEntraIPView(TFormEntraIP& logic, QWidget* parent)
    : LogicDialog(logic, parent)
    , logic_(logic)
    , cbPCIP_(new QComboBox(this))
    , edEquipIP_(namedEdit("edEquipIP", this))
    , edPorta_(namedEdit("edPorta", this))
    , edEndereco_(namedEdit("edEndereco", this))
    , edDominioPorta_(namedEdit("edDominioPorta", this))
{
    const TFormEntraIP::Captions& c = logic.captions();
    setWindowTitle(qs(c.caption));
    cbPCIP_->setObjectName("cbPCIP");
    cbPCIP_->setEditable(true);
    for (const std::string& a : logic.pcAddresses())
        cbPCIP_->addItem(qs(a));

    auto* layout = new QVBoxLayout(this);
    auto* pcRow = new QGridLayout;
    pcRow->addWidget(new QLabel(qs(c.lblIpPc), this), 0, 0);
    pcRow->addWidget(cbPCIP_, 0, 1);
    pcRow->setColumnStretch(1, 1);
    layout->addLayout(pcRow);

    auto* gbIp = new QGroupBox(qs(c.gbIp), this);
    gbIp->setObjectName("gbIp");
    auto* ipGrid = new QGridLayout(gbIp);
    ipGrid->addWidget(new QLabel(qs(c.lblIpEquip), gbIp), 0, 0);
    ipGrid->addWidget(new QLabel(qs(c.lblPorta), gbIp), 0, 1);
    ipGrid->addWidget(edEquipIP_, 1, 0);
    ipGrid->addWidget(edPorta_, 1, 1);
    const auto padrao = [this] { logic_.bbPadraoClick(); };
    QPushButton* bbIPPadrao = makeButton(c.bbIPPadrao, "bbIPPadrao", padrao);
    QPushButton* bbPortaPadrao = makeButton(c.bbPortaPadrao, "bbPortaPadrao", padrao);
    QPushButton* bbOk = makeButton("OK", "bbOk", [this] { logic_.bbOkClick(); });
    QPushButton* bbOkUdp = makeButton("UDP", "bbOkUdp", [this] { logic_.bbOkUdpClick(); });
    // Nothing in the tool offers the UDP link from here; the network link is TCP.
    bbOkUdp->setVisible(false);
    ipGrid->addWidget(bbIPPadrao, 2, 0);
    ipGrid->addWidget(bbPortaPadrao, 2, 1);
    ipGrid->addWidget(bbOk, 2, 2);
    ipGrid->addWidget(bbOkUdp, 1, 2);
    ipGrid->setColumnStretch(0, 1);
    layout->addWidget(gbIp);

    auto* gbDominio = new QGroupBox(qs(c.gbDominio), this);
    gbDominio->setObjectName("gbDominio");
    auto* dGrid = new QGridLayout(gbDominio);
    dGrid->addWidget(new QLabel(qs(c.lblEndereco), gbDominio), 0, 0);
    dGrid->addWidget(new QLabel(qs(c.lblPorta), gbDominio), 0, 1);
    dGrid->addWidget(edEndereco_, 1, 0);
    dGrid->addWidget(edDominioPorta_, 1, 1);
    QPushButton* bbDominioPortaPadrao = makeButton(c.bbPortaPadrao, "bbDominioPortaPadrao", padrao);
    QPushButton* bbOkEndereco = makeButton("OK", "bbOkEndereco", [this] { logic_.bbOkEnderecoClick(); });
    dGrid->addWidget(bbDominioPortaPadrao, 2, 1);
    dGrid->addWidget(bbOkEndereco, 2, 2);
    dGrid->setColumnStretch(0, 1);
    layout->addWidget(gbDominio);
    setMinimumWidth(420);

    // Enter confirms the group the focus is in: the address and port, or the host name.
    bbOk->setDefault(true);
    connect(qApp, &QApplication::focusChanged, this, [bbOk, bbOkEndereco, gbDominio](QWidget*, QWidget* now) {
        const bool byName = now != nullptr && gbDominio->isAncestorOf(now);
        (byName ? bbOkEndereco : bbOk)->setDefault(true);
    });
    // Each group's fields, then its buttons.
    setTabOrder(cbPCIP_, edEquipIP_);
    setTabOrder(edEquipIP_, edPorta_);
    setTabOrder(edPorta_, bbOk);
    setTabOrder(bbOk, bbIPPadrao);
    setTabOrder(bbIPPadrao, bbPortaPadrao);
    setTabOrder(bbPortaPadrao, edEndereco_);
    setTabOrder(edEndereco_, edDominioPorta_);
    setTabOrder(edDominioPorta_, bbOkEndereco);
    setTabOrder(bbOkEndereco, bbDominioPortaPadrao);

    connect(cbPCIP_, &QComboBox::currentTextChanged, this, [this](const QString& t) { logic_.setPCIPText(t.toStdString()); });
    forwardEdits(edEquipIP_, [this](const std::string& t) { logic_.setEdEquipIP(t); });
    forwardEdits(edEndereco_, [this](const std::string& t) { logic_.setEdEndereco(t); });
    // Only the user's typing is forwarded, so the copy into the other field does not echo.
    forwardEdits(edPorta_, [this](const std::string& t) {
        logic_.edPortaChange(t);
        render();
    });
    forwardEdits(edDominioPorta_, [this](const std::string& t) {
        logic_.edDominioPortaChange(t);
        render();
    });
    render();
}

void FormEntraIPView::render()
{
    setComboText(cbPCIP_, logic_.pcIpText());
    setEditText(edEquipIP_, logic_.edEquipIP());
    setEditText(edPorta_, logic_.edPorta());
    setEditText(edEndereco_, logic_.edEndereco());
    setEditText(edDominioPorta_, logic_.edDominioPorta());
}
