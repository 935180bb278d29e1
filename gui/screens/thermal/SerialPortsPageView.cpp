#include "gui/screens/thermal/SerialPortsPageView.h"

#include "gui/app/ApplyEdit.h"
#include "gui/app/DecimalSeparator.h"
#include "gui/app/RadioGroupBox.h"
#include "gui/app/WidgetText.h"
#include "screens/thermal/SerialPortsPage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

SerialPortsPageView::SerialPortsPageView(SerialPortsPage& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("SerialPortsPageView");
    logic_.setDecimalSeparator(systemDecimalSeparator());
    QVBoxLayout* layout = addBackground();
    QWidget* backgroundPanel = background();

    auto* top = new QHBoxLayout;
    portLabel_ = new QLabel(backgroundPanel);
    portLabel_->setObjectName("portLabel");
    portCombo_ = new QComboBox(backgroundPanel);
    portCombo_->setObjectName("portCombo");
    portCombo_->setMinimumWidth(60);
    connect(portCombo_, &QComboBox::activated, this, [this](int i) { handle([&] { logic_.portChosen(i); }); });
    top->addWidget(portLabel_);
    top->addWidget(portCombo_);
    top->addSpacing(20);
    top->addWidget(radio(SerialRadio::Protocol, "protocolGroup", 2, 2));
    top->addStretch(1);
    layout->addLayout(top);

    auto* protocols = new QHBoxLayout;
    modbusBox_ = new QGroupBox(backgroundPanel);
    modbusBox_->setObjectName("modbusBox");
    auto* modbus = new QVBoxLayout(modbusBox_);
    modbus->addWidget(radio(SerialRadio::ModBusBaudRate, "modbusBaudRateGroup", 5, 2));
    modbus->addWidget(radio(SerialRadio::ModBusFormat, "modbusFormatGroup", 4, 2));
    auto* modbusEdits = new QFormLayout;
    modbusEdits->addRow(caption(SerialEdit::ModBusAddress, "modbusAddressLabel"),
                        edit(SerialEdit::ModBusAddress, "modbusAddressEdit"));
    modbusEdits->addRow(caption(SerialEdit::ModBusTXDelay, "modbusTxDelayLabel"),
                        edit(SerialEdit::ModBusTXDelay, "modbusTxDelayEdit"));
    modbus->addLayout(modbusEdits);
    modbus->addStretch(1);

    dnp3Box_ = new QGroupBox(backgroundPanel);
    dnp3Box_->setObjectName("dnp3Box");
    auto* dnp3 = new QGridLayout(dnp3Box_);
    dnp3->addWidget(radio(SerialRadio::DNP3BaudRate, "dnp3BaudRateGroup", 5, 2), 0, 0);
    dnp3->addWidget(radio(SerialRadio::DNP3Format, "dnp3FormatGroup", 4, 2), 0, 1);
    dnp3->addWidget(radio(SerialRadio::DNP3AppLayerConfirm, "dnp3AppLayerConfirmGroup", 2, 1), 1, 0);
    dnp3->addWidget(radio(SerialRadio::DNP3InterframeGap, "dnp3InterframeGapGroup", 2, 1), 1, 1);
    auto* dnp3Edits = new QFormLayout;
    dnp3Edits->addRow(caption(SerialEdit::DNP3Address, "dnp3AddressLabel"),
                      edit(SerialEdit::DNP3Address, "dnp3AddressEdit"));
    dnp3Edits->addRow(caption(SerialEdit::DNP3InterOctetGap, "dnp3InterOctetGapLabel"),
                      edit(SerialEdit::DNP3InterOctetGap, "dnp3InterOctetGapEdit"));
    dnp3Edits->addRow(caption(SerialEdit::DNP3BackoffFixed, "dnp3BackoffFixedLabel"),
                      edit(SerialEdit::DNP3BackoffFixed, "dnp3BackoffFixedEdit"));
    dnp3Edits->addRow(caption(SerialEdit::DNP3BackoffRandom, "dnp3BackoffRandomLabel"),
                      edit(SerialEdit::DNP3BackoffRandom, "dnp3BackoffRandomEdit"));
    dnp3->addLayout(dnp3Edits, 2, 0, 1, 2);
    dnp3->setRowStretch(3, 1);
    protocols->addWidget(modbusBox_, 2);
    protocols->addWidget(dnp3Box_, 3);
    layout->addLayout(protocols);

    readOnlyNoticeLabel_ = new QLabel(backgroundPanel);
    readOnlyNoticeLabel_->setObjectName("readOnlyNoticeLabel");
    readOnlyNoticeLabel_->setStyleSheet("color: #ff0000; font-weight: bold;");
    readOnlyNoticeLabel_->setWordWrap(true);
    layout->addWidget(readOnlyNoticeLabel_);
    layout->addStretch(1);
    render();
}

// An edit that has the focus loses it while the page is destroyed: that must not
// reach the logic through a page that is no longer whole.
SerialPortsPageView::~SerialPortsPageView()
{
    for (ApplyEdit* e : edits_)
        e->disconnect(this);
}

template <typename F>
void SerialPortsPageView::handle(F&& f)
{
    f();
    render();
}

RadioGroupBox* SerialPortsPageView::radio(SerialRadio group, const char* name, int items, int columns)
{
    auto* box = new RadioGroupBox(name, items, columns, background());
    radios_[static_cast<std::size_t>(group)] = box;
    connect(box, &RadioGroupBox::clicked, this, [this, group](int i) { handle([&] { logic_.serialSettingChosen(group, i); }); });
    return box;
}

ApplyEdit* SerialPortsPageView::edit(SerialEdit which, const char* name)
{
    auto* e = new ApplyEdit(name, background());
    e->setMaximumWidth(90);
    edits_[static_cast<std::size_t>(which)] = e;
    connect(e, &QLineEdit::textEdited, this, [this, which](const QString& text) { logic_.setEdit(which, text.toStdString()); });
    connect(e, &ApplyEdit::focusChanged, this, [this, which](bool in) {
        logic_.setFocusedEdit(in ? static_cast<int>(which) : SerialPortsPage::kNoFocus);
    });
    connect(e, &ApplyEdit::applied, this, [this] { handle([&] { logic_.editLeft(); }); });
    return e;
}

QLabel* SerialPortsPageView::caption(SerialEdit which, const char* name)
{
    auto* label = new QLabel(background());
    label->setObjectName(name);
    labels_[static_cast<std::size_t>(which)] = label;
    return label;
}

void SerialPortsPageView::render()
{
    const SerialPortsPageCaptions& c = logic_.captions();
    const SerialPortsPageState& s = logic_.state();
    portLabel_->setText(qs(c.portLabel));
    if (portCombo_->count() != s.portChoiceCount) {
        const QSignalBlocker quiet(portCombo_);
        portCombo_->clear();
        for (int i = 1; i <= s.portChoiceCount; ++i)
            portCombo_->addItem(QString::number(i));
    }
    portCombo_->setCurrentIndex(s.selectedPort);
    portLabel_->setVisible(s.portChoiceVisible);
    portCombo_->setVisible(s.portChoiceVisible);
    modbusBox_->setTitle(qs(c.modbusBox));
    dnp3Box_->setTitle(qs(c.dnp3Box));
    for (std::size_t g = 0; g < radios_.size(); ++g) {
        radios_[g]->setTexts(c.radioTitles[g], c.radioItems[g]);
        radios_[g]->select(s.radios[g]);
    }
    for (std::size_t e = 0; e < edits_.size(); ++e) {
        labels_[e]->setText(qs(c.editLabels[e]));
        setEditText(edits_[e], s.edits[e]);
    }
    readOnlyNoticeLabel_->setText(qs(c.readOnlyNoticeLabel));
    readOnlyNoticeLabel_->setVisible(s.readOnlyNoticeVisible);
}
