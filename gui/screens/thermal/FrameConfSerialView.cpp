#include "gui/screens/thermal/FrameConfSerialView.h"

#include "gui/app/ApplyEdit.h"
#include "gui/app/DecimalSeparator.h"
#include "gui/app/RadioGroupBox.h"
#include "gui/app/WidgetText.h"
#include "screens/thermal/FrameConfSerialF.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

FrameConfSerialView::FrameConfSerialView(TFrameConfSerial& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("FrameConfSerialView");
    logic_.setDecimalSeparator(systemDecimalSeparator());
    QVBoxLayout* layout = addBackground();
    QWidget* pnBack = background();

    auto* top = new QHBoxLayout;
    lblIndice_ = new QLabel(pnBack);
    lblIndice_->setObjectName("lblIndice");
    cbIndice_ = new QComboBox(pnBack);
    cbIndice_->setObjectName("cbIndice");
    cbIndice_->setMinimumWidth(60);
    connect(cbIndice_, &QComboBox::activated, this, [this](int i) { handle([&] { logic_.cbIndiceSelect(i); }); });
    top->addWidget(lblIndice_);
    top->addWidget(cbIndice_);
    top->addSpacing(20);
    top->addWidget(radio(SerialRadio::Modo, "rgModo", 2, 2));
    top->addStretch(1);
    layout->addLayout(top);

    auto* protocols = new QHBoxLayout;
    gbModBus_ = new QGroupBox(pnBack);
    gbModBus_->setObjectName("gbModBus");
    auto* modbus = new QVBoxLayout(gbModBus_);
    modbus->addWidget(radio(SerialRadio::ModBusBaudRate, "rgModBusBaudRate", 5, 2));
    modbus->addWidget(radio(SerialRadio::ModBusFormat, "rgModBusFormat", 4, 2));
    auto* modbusEdits = new QFormLayout;
    modbusEdits->addRow(caption(SerialEdit::ModBusEndereco, "lblModBusEndereco"),
                        edit(SerialEdit::ModBusEndereco, "edModBusEndereco"));
    modbusEdits->addRow(caption(SerialEdit::ModBusTXDelay, "lblModBusTXDelay"),
                        edit(SerialEdit::ModBusTXDelay, "edModBusTXDelay"));
    modbus->addLayout(modbusEdits);
    modbus->addStretch(1);

    gbDNP3_ = new QGroupBox(pnBack);
    gbDNP3_->setObjectName("gbDNP3");
    auto* dnp3 = new QGridLayout(gbDNP3_);
    dnp3->addWidget(radio(SerialRadio::DNP3BaudRate, "rgDNP3BaudRate", 5, 2), 0, 0);
    dnp3->addWidget(radio(SerialRadio::DNP3Format, "rgDNP3Format", 4, 2), 0, 1);
    dnp3->addWidget(radio(SerialRadio::DNP3AppLayerConf, "rgDNP3AppLayerConf", 2, 1), 1, 0);
    dnp3->addWidget(radio(SerialRadio::DNP3InterframeGap, "rgDNP3InterframeGap", 2, 1), 1, 1);
    auto* dnp3Edits = new QFormLayout;
    dnp3Edits->addRow(caption(SerialEdit::DNP3Endereco, "lblDNP3Endereco"),
                      edit(SerialEdit::DNP3Endereco, "edDNP3Endereco"));
    dnp3Edits->addRow(caption(SerialEdit::DNP3InterOctetGap, "lblDNP3InterOctetGap"),
                      edit(SerialEdit::DNP3InterOctetGap, "edDNP3InterOctetGap"));
    dnp3Edits->addRow(caption(SerialEdit::DNP3BackoffFixed, "lblDNP3BackoffFixed"),
                      edit(SerialEdit::DNP3BackoffFixed, "edDNP3BackoffFixed"));
    dnp3Edits->addRow(caption(SerialEdit::DNP3BackoffRandom, "lblDNP3BackoffRandom"),
                      edit(SerialEdit::DNP3BackoffRandom, "edDNP3BackoffRandom"));
    dnp3->addLayout(dnp3Edits, 2, 0, 1, 2);
    dnp3->setRowStretch(3, 1);
    protocols->addWidget(gbModBus_, 2);
    protocols->addWidget(gbDNP3_, 3);
    layout->addLayout(protocols);

    lblNaoPodeModificar_ = new QLabel(pnBack);
    lblNaoPodeModificar_->setObjectName("lblNaoPodeModificar");
    lblNaoPodeModificar_->setStyleSheet("color: #ff0000; font-weight: bold;");
    lblNaoPodeModificar_->setWordWrap(true);
    layout->addWidget(lblNaoPodeModificar_);
    layout->addStretch(1);
    render();
}

// An edit that has the focus loses it while the page is destroyed: that must not
// reach the logic through a page that is no longer whole.
FrameConfSerialView::~FrameConfSerialView()
{
    for (ApplyEdit* e : edits_)
        e->disconnect(this);
}

template <typename F>
void FrameConfSerialView::handle(F&& f)
{
    f();
    render();
}

RadioGroupBox* FrameConfSerialView::radio(SerialRadio group, const char* name, int items, int columns)
{
    auto* box = new RadioGroupBox(name, items, columns, background());
    radios_[static_cast<std::size_t>(group)] = box;
    connect(box, &RadioGroupBox::clicked, this, [this, group](int i) { handle([&] { logic_.rgModoClick(group, i); }); });
    return box;
}

ApplyEdit* FrameConfSerialView::edit(SerialEdit which, const char* name)
{
    auto* e = new ApplyEdit(name, background());
    e->setMaximumWidth(90);
    edits_[static_cast<std::size_t>(which)] = e;
    connect(e, &QLineEdit::textEdited, this, [this, which](const QString& text) { logic_.setEdit(which, text.toStdString()); });
    connect(e, &ApplyEdit::focusChanged, this, [this, which](bool in) {
        logic_.setFocusedEdit(in ? static_cast<int>(which) : TFrameConfSerial::kNoFocus);
    });
    connect(e, &ApplyEdit::applied, this, [this] { handle([&] { logic_.edModBusEnderecoExit(); }); });
    return e;
}

QLabel* FrameConfSerialView::caption(SerialEdit which, const char* name)
{
    auto* label = new QLabel(background());
    label->setObjectName(name);
    labels_[static_cast<std::size_t>(which)] = label;
    return label;
}

void FrameConfSerialView::render()
{
    const FrameConfSerialCaptions& c = logic_.captions();
    const FrameConfSerialState& s = logic_.state();
    lblIndice_->setText(qs(c.lblIndice));
    if (cbIndice_->count() != s.cbIndiceItems) {
        const QSignalBlocker quiet(cbIndice_);
        cbIndice_->clear();
        for (int i = 1; i <= s.cbIndiceItems; ++i)
            cbIndice_->addItem(QString::number(i));
    }
    cbIndice_->setCurrentIndex(s.cbIndice);
    lblIndice_->setVisible(s.cbIndiceVisible);
    cbIndice_->setVisible(s.cbIndiceVisible);
    gbModBus_->setTitle(qs(c.gbModBus));
    gbDNP3_->setTitle(qs(c.gbDNP3));
    for (std::size_t g = 0; g < radios_.size(); ++g) {
        radios_[g]->setTexts(c.radioTitles[g], c.radioItems[g]);
        radios_[g]->select(s.radios[g]);
    }
    for (std::size_t e = 0; e < edits_.size(); ++e) {
        labels_[e]->setText(qs(c.editLabels[e]));
        setEditText(edits_[e], s.edits[e]);
    }
    lblNaoPodeModificar_->setText(qs(c.lblNaoPodeModificar));
    lblNaoPodeModificar_->setVisible(s.lblNaoPodeModificarVisible);
}
