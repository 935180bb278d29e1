#include "gui/screens/thermal/FrameConfSaidaCorrenteView.h"

#include "gui/app/ApplyEdit.h"
#include "gui/app/DecimalSeparator.h"
#include "gui/app/RadioGroupBox.h"
#include "gui/app/WidgetText.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

FrameConfSaidaCorrenteView::FrameConfSaidaCorrenteView(TFrameConfSaidaCorrente& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("FrameConfSaidaCorrenteView");
    logic_.setDecimalSeparator(systemDecimalSeparator());
    QVBoxLayout* layout = addBackground();
    QWidget* pnBack = background();

    // The fixed-range panel takes the range's place.
    auto* range = new QVBoxLayout;
    rgEscala_ = new RadioGroupBox("rgEscala", 5, 5, pnBack);
    connect(rgEscala_, &RadioGroupBox::clicked, this, [this](int i) { handle([&] { logic_.rgEscalaClick(i); }); });
    pnEscala0_1ma_ = namedPanel("pnEscala0_1ma", pnBack);
    pnEscala0_1ma_->setAlignment(Qt::AlignCenter);
    pnEscala0_1ma_->setMinimumHeight(40);
    range->addWidget(rgEscala_);
    range->addWidget(pnEscala0_1ma_);
    layout->addLayout(range);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    lblFundoEscala_ = new QLabel(pnBack);
    lblFundoEscala_->setObjectName("lblFundoEscala");
    edFundoEscala_ = edit("edFundoEscala", TFrameConfSaidaCorrente::kFundoEscala);
    connect(edFundoEscala_, &QLineEdit::textEdited, this,
            [this](const QString& t) { logic_.setFundoEscala(t.toStdString()); });
    lblFundoEscalaCorrente_ = new QLabel(pnBack);
    lblFundoEscalaCorrente_->setObjectName("lblFundoEscalaCorrente");
    edFundoEscalaCorrente_ = edit("edFundoEscalaCorrente", TFrameConfSaidaCorrente::kFundoEscalaCorrente);
    connect(edFundoEscalaCorrente_, &QLineEdit::textEdited, this,
            [this](const QString& t) { logic_.setFundoEscalaCorrente(t.toStdString()); });
    grid->addWidget(lblFundoEscala_, 0, 0);
    grid->addWidget(edFundoEscala_, 0, 1);
    grid->addWidget(lblFundoEscalaCorrente_, 1, 0);
    grid->addWidget(edFundoEscalaCorrente_, 1, 1);
    for (std::size_t k = 0; k < kOutputs; ++k) {
        auto* label = new QLabel(pnBack);
        label->setObjectName(QString("lblSaidaAssociada%1").arg(k));
        auto* list = new QComboBox(pnBack);
        list->setObjectName(QString("cbSaidaAssociada%1").arg(k));
        list->setMinimumWidth(150);
        const int output = static_cast<int>(k);
        connect(list, &QComboBox::activated, this,
                [this, output](int entry) { handle([&] { logic_.cbSaidaAssociadaSelect(output, entry); }); });
        grid->addWidget(label, static_cast<int>(k) + 2, 0);
        grid->addWidget(list, static_cast<int>(k) + 2, 1);
        lblSaidaAssociada_[k] = label;
        cbSaidaAssociada_[k] = list;
    }
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);
    layout->addStretch(1);
    render();
}

// An edit that has the focus loses it while the page is destroyed: that must not
// reach the logic through a page that is no longer whole.
FrameConfSaidaCorrenteView::~FrameConfSaidaCorrenteView()
{
    for (ApplyEdit* e : {edFundoEscala_, edFundoEscalaCorrente_})
        e->disconnect(this);
}

template <typename F>
void FrameConfSaidaCorrenteView::handle(F&& f)
{
    f();
    render();
}

ApplyEdit* FrameConfSaidaCorrenteView::edit(const char* name, TFrameConfSaidaCorrente::Focus focus)
{
    auto* e = new ApplyEdit(name, background());
    e->setMaximumWidth(90);
    connect(e, &ApplyEdit::focusChanged, this, [this, focus](bool in) {
        logic_.setFocus(in ? focus : TFrameConfSaidaCorrente::kNoFocus);
    });
    connect(e, &ApplyEdit::applied, this, [this] { handle([&] { logic_.edFundoEscalaExit(); }); });
    return e;
}

void FrameConfSaidaCorrenteView::render()
{
    const FrameConfSaidaCorrenteCaptions& c = logic_.captions();
    const FrameConfSaidaCorrenteState& s = logic_.state();
    rgEscala_->setTexts(c.rgEscala, {c.rgEscalaItems.begin(), c.rgEscalaItems.end()});
    rgEscala_->select(s.rgEscala);
    rgEscala_->setVisible(s.rgEscalaVisible);
    pnEscala0_1ma_->setText(qs(c.pnEscala0_1ma));
    pnEscala0_1ma_->setVisible(s.pnEscala0_1maVisible);
    lblFundoEscala_->setText(qs(c.lblFundoEscala));
    setEditText(edFundoEscala_, s.edFundoEscala);
    lblFundoEscala_->setVisible(s.edFundoEscalaVisible);
    edFundoEscala_->setVisible(s.edFundoEscalaVisible);
    lblFundoEscalaCorrente_->setText(qs(c.lblFundoEscalaCorrente));
    setEditText(edFundoEscalaCorrente_, s.edFundoEscalaCorrente);
    lblFundoEscalaCorrente_->setVisible(s.edFundoEscalaCorrenteVisible);
    edFundoEscalaCorrente_->setVisible(s.edFundoEscalaCorrenteVisible);
    QStringList entries;
    for (const std::string& e : s.canais)
        entries << qs(e);
    for (std::size_t k = 0; k < kOutputs; ++k) {
        QComboBox* list = cbSaidaAssociada_[k];
        lblSaidaAssociada_[k]->setText(qs(c.lblSaidaAssociada[k]));
        lblSaidaAssociada_[k]->setVisible(s.saidaVisible[k]);
        list->setVisible(s.saidaVisible[k]);
        // A list whose drop-down is open is left to the user.
        if (list->view()->isVisible())
            continue;
        const QSignalBlocker quiet(list);
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->itemText(i);
        if (shown != entries) {
            list->clear();
            list->addItems(entries);
        }
        list->setCurrentIndex(s.saidaAssociada[k]);
    }
}
