#include "gui/app/FormConectaComView.h"

#include "app/FormConectaComF.h"
#include "gui/app/WidgetText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

FormConectaComView::FormConectaComView(TFormConectaCom& logic, QWidget* parent)
    : LogicDialog(logic, parent)
    , logic_(logic)
    , cbPortaCom_(new QComboBox(this))
    , edEnderecoModbus_(new QLineEdit(this))
    , cbBaudRate_(new QComboBox(this))
    , cbFormato_(new QComboBox(this))
{
    setWindowTitle(qs(logic.caption()));
    cbPortaCom_->setObjectName("cbPortaCom");
    cbPortaCom_->setEditable(true);
    cbPortaCom_->setInsertPolicy(QComboBox::NoInsert);
    cbPortaCom_->setMinimumWidth(300);
    for (const SerialPortEntry& p : logic.ports())
        cbPortaCom_->addItem(qs(p.name), qs(p.path));
    cbPortaCom_->setEditText(qs(logic.portaComText()));
    edEnderecoModbus_->setObjectName("edEnderecoModbus");
    edEnderecoModbus_->setText(qs(logic.edEnderecoModbus()));
    cbBaudRate_->setObjectName("cbBaudRate");
    for (int rate : TFormConectaCom::kBaudRates)
        cbBaudRate_->addItem(QString::number(rate));
    cbBaudRate_->setCurrentIndex(logic.baudRateIndex());
    cbFormato_->setObjectName("cbFormato");
    for (const char* format : TFormConectaCom::kFormats)
        cbFormato_->addItem(format);
    cbFormato_->setCurrentIndex(logic.formatoIndex());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(qs(logic.lblPorta()), this));
    layout->addWidget(cbPortaCom_);
    auto* grid = new QGridLayout;
    auto* lblEndereco = new QLabel(qs(logic.lblEndereco()), this);
    auto* lblBaudRate = new QLabel(qs(logic.lblBaudRate()), this);
    auto* lblFormato = new QLabel(qs(logic.lblFormato()), this);
    grid->addWidget(lblEndereco, 0, 0);
    grid->addWidget(lblBaudRate, 0, 1);
    grid->addWidget(lblFormato, 0, 2);
    grid->addWidget(edEnderecoModbus_, 1, 0);
    grid->addWidget(cbBaudRate_, 1, 1);
    grid->addWidget(cbFormato_, 1, 2);
    layout->addLayout(grid);
    // A USB adapter of the device has a fixed speed and format and answers any address.
    for (QWidget* w : {static_cast<QWidget*>(lblEndereco), static_cast<QWidget*>(lblBaudRate),
                       static_cast<QWidget*>(lblFormato), static_cast<QWidget*>(edEnderecoModbus_),
                       static_cast<QWidget*>(cbBaudRate_), static_cast<QWidget*>(cbFormato_)})
        w->setVisible(!logic.usb());
    addOkCancel(layout, logic.bbOk(), [this] { logic_.bbOkClick(); }, logic.bbCancel(), "bbCancel",
                [this] { logic_.bbCancelClick(); });

    connect(cbPortaCom_, &QComboBox::currentTextChanged, this,
            [this](const QString& t) { logic_.setPortaComText(t.toStdString()); });
    forwardEdits(edEnderecoModbus_, [this](const std::string& t) { logic_.setEdEnderecoModbus(t); });
    connect(cbBaudRate_, &QComboBox::currentIndexChanged, this, [this](int i) { logic_.selectBaudRate(i); });
    connect(cbFormato_, &QComboBox::currentIndexChanged, this, [this](int i) { logic_.selectFormato(i); });
}
