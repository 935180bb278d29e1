#include "gui/app/SerialConnectDialogView.h"

#include "app/SerialConnectDialog.h"
#include "gui/app/WidgetText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

SerialConnectDialogView::SerialConnectDialogView(SerialConnectDialog& logic, QWidget* parent)
    : LogicDialog(logic, parent)
    , logic_(logic)
    , portCombo_(new QComboBox(this))
    , modbusAddressEdit_(new QLineEdit(this))
    , baudRateCombo_(new QComboBox(this))
    , formatCombo_(new QComboBox(this))
{
    setWindowTitle(qs(logic.caption()));
    portCombo_->setObjectName("portCombo");
    portCombo_->setEditable(true);
    portCombo_->setInsertPolicy(QComboBox::NoInsert);
    portCombo_->setMinimumWidth(300);
    for (const SerialPortEntry& p : logic.ports())
        portCombo_->addItem(qs(p.name), qs(p.path));
    portCombo_->setEditText(qs(logic.portText()));
    modbusAddressEdit_->setObjectName("modbusAddressEdit");
    modbusAddressEdit_->setText(qs(logic.modbusAddressText()));
    baudRateCombo_->setObjectName("baudRateCombo");
    for (int rate : SerialConnectDialog::kBaudRates)
        baudRateCombo_->addItem(QString::number(rate));
    baudRateCombo_->setCurrentIndex(logic.baudRateIndex());
    formatCombo_->setObjectName("formatCombo");
    for (const char* format : SerialConnectDialog::kFormats)
        formatCombo_->addItem(format);
    formatCombo_->setCurrentIndex(logic.formatIndex());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(qs(logic.portLabel()), this));
    layout->addWidget(portCombo_);
    auto* grid = new QGridLayout;
    auto* addressLabel = new QLabel(qs(logic.addressLabel()), this);
    auto* baudRateLabel = new QLabel(qs(logic.baudRateLabel()), this);
    auto* formatLabel = new QLabel(qs(logic.formatLabel()), this);
    grid->addWidget(addressLabel, 0, 0);
    grid->addWidget(baudRateLabel, 0, 1);
    grid->addWidget(formatLabel, 0, 2);
    grid->addWidget(modbusAddressEdit_, 1, 0);
    grid->addWidget(baudRateCombo_, 1, 1);
    grid->addWidget(formatCombo_, 1, 2);
    layout->addLayout(grid);
    // A USB adapter of the device has a fixed speed and format and answers any address.
    for (QWidget* w : {static_cast<QWidget*>(addressLabel), static_cast<QWidget*>(baudRateLabel),
                       static_cast<QWidget*>(formatLabel), static_cast<QWidget*>(modbusAddressEdit_),
                       static_cast<QWidget*>(baudRateCombo_), static_cast<QWidget*>(formatCombo_)})
        w->setVisible(!logic.usb());
    addOkCancel(layout, logic.okButton(), [this] { logic_.okClicked(); }, logic.cancelButton(), "cancelButton",
                [this] { logic_.cancelClicked(); });

    connect(portCombo_, &QComboBox::currentTextChanged, this,
            [this](const QString& t) { logic_.setPortText(t.toStdString()); });
    forwardEdits(modbusAddressEdit_, [this](const std::string& t) { logic_.setModbusAddressText(t); });
    connect(baudRateCombo_, &QComboBox::currentIndexChanged, this, [this](int i) { logic_.selectBaudRate(i); });
    connect(formatCombo_, &QComboBox::currentIndexChanged, this, [this](int i) { logic_.selectFormat(i); });
}
