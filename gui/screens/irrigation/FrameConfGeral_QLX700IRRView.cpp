#include "gui/screens/irrigation/FrameConfGeral_QLX700IRRView.h"

#include "gui/app/ApplyEdit.h"
#include "gui/app/DecimalSeparator.h"
#include "gui/app/RadioGroupBox.h"
#include "gui/app/WidgetText.h"
#include "gui/screens/common/GeneralFrameWidgets.h"
#include "gui/screens/common/MeasureGrid.h"
#include "gui/screens/common/RelayStrip.h"
#include "screens/irrigation/FrameConfGeral_QLX700IRRF.h"

#include <QGroupBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kRows = 10;
constexpr int kRowHeight = 20;
constexpr int kLabelWidth = 150;
constexpr int kValueWidth = 470;
// Lamps 1, 7, 8, 9 and 10 carry fixed labels; 2..6 the branch names.
constexpr std::array<int, 5> kLabelledLamps{0, 6, 7, 8, 9};
using Command = TFrameConfGeral_QLX700IRR::Command;
constexpr std::array<Command, 4> kCommands{Command::ResetHydrometer, Command::ResetPluviometer, Command::UnblockSystem,
                                           Command::Emergency};
constexpr std::array<const char*, 4> kCommandNames{"bbResetHydrometer", "bbResetPluviometer", "bbUnblockSystem",
                                                   "bbEmergency"};
} // namespace

FrameConfGeral_QLX700IRRView::FrameConfGeral_QLX700IRRView(TFrameConfGeral_QLX700IRR& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("FrameConfGeral_QLX700IRRView");
    logic_.setDecimalSeparator(systemDecimalSeparator());
    QVBoxLayout* layout = addBackground();
    QWidget* pnBack = background();
    general_ = new GeneralFrameWidgets(logic_, pnBack, [this](const std::function<void()>& f) { handle(f); }, [this] {
        logic_.Timer1Timer();
        render();
    });
    layout->addLayout(general_->topRow());

    auto* middle = new QHBoxLayout;
    sgMedidas_ = new MeasureGrid("sgMedidas", {kRows, kLabelWidth, kValueWidth, kRowHeight}, pnBack);
    middle->addWidget(sgMedidas_, 0, Qt::AlignTop);
    middle->addWidget(buildCommands(pnBack), 0, Qt::AlignTop);
    middle->addStretch(1);
    layout->addLayout(middle);
    layout->addWidget(buildRelays(pnBack));
    layout->addStretch(1);
    render();
}

QWidget* FrameConfGeral_QLX700IRRView::buildCommands(QWidget* parent)
{
    auto* column = new QWidget(parent);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    rgIdioma_ = new RadioGroupBox("rgIdioma", 3, 1, column);
    connect(rgIdioma_, &RadioGroupBox::clicked, this, [this](int i) { handle([&] { logic_.rgIdiomaClick(i); }); });
    layout->addWidget(rgIdioma_);
    bbManual_ = general_->button("bbManual", column, [this] { logic_.bbManualClick(); });
    layout->addWidget(bbManual_);
    for (std::size_t i = 0; i < commands_.size(); ++i) {
        const Command command = kCommands[i];
        commands_[i] = general_->button(kCommandNames[i], column, [this, command] { logic_.commandClick(command); });
        layout->addWidget(commands_[i]);
    }
    return column;
}

RelayStrip* FrameConfGeral_QLX700IRRView::buildRelays(QWidget* parent)
{
    relays_ = new RelayStrip(10, parent);
    for (std::size_t i = 0; i < kLabelledLamps.size(); ++i) {
        auto* label = new QLabel(relays_);
        label->setObjectName(QString("lblRele%1").arg(kLabelledLamps[i] + 1));
        label->setAlignment(Qt::AlignCenter);
        relays_->grid()->addWidget(label, 2, kLabelledLamps[i], Qt::AlignHCenter);
        lampLabels_[i] = label;
    }
    for (int i = 0; i < static_cast<int>(edRele_.size()); ++i) {
        const QByteArray name = QString("edRele%1").arg(i + 2).toLatin1();
        auto* edit = new ApplyEdit(name.constData(), parent);
        edit->setAlignment(Qt::AlignCenter);
        edit->setMaximumWidth(80);
        connect(edit, &QLineEdit::textEdited, this, [this, i](const QString& text) { logic_.setEdRele(i, text.toStdString()); });
        connect(edit, &ApplyEdit::focusChanged, this,
                [this, i](bool in) { logic_.setFocusedEdit(in ? i : TFrameConfGeral_QLX700IRR::kNoFocus); });
        connect(edit, &ApplyEdit::applied, this, [this] { handle([this] { logic_.edRele2Exit(); }); });
        relays_->grid()->addWidget(edit, 2, i + 1, Qt::AlignHCenter);
        edRele_[static_cast<std::size_t>(i)] = edit;
    }
    return relays_;
}

QTimer* FrameConfGeral_QLX700IRRView::timer1() const { return general_->timer1(); }

void FrameConfGeral_QLX700IRRView::handle(const std::function<void()>& f)
{
    f();
    render();
}

void FrameConfGeral_QLX700IRRView::render()
{
    general_->render();
    const FrameConfGeral_QLX700IRRCaptions& c = logic_.captions();
    const FrameConfGeral_QLX700IRRState& s = logic_.state();
    for (int r = 0; r < kRows; ++r)
        sgMedidas_->setRow(r, c.medidaRows[static_cast<std::size_t>(r)], s.medidas[static_cast<std::size_t>(r)]);
    // Values of the last answered refresh are drawn greyed while the device is silent.
    sgMedidas_->setEnabled(!general_->stale());
    rgIdioma_->setTexts(c.rgIdioma, {c.rgIdiomaItems.begin(), c.rgIdiomaItems.end()});
    rgIdioma_->select(s.rgIdioma);
    bbManual_->setText(qs(c.bbManual));
    const std::array<const std::string*, 4> commandCaptions{&c.bbResetHydrometer, &c.bbResetPluviometer,
                                                            &c.bbUnblockSystem, &c.bbEmergency};
    for (std::size_t i = 0; i < commands_.size(); ++i)
        commands_[i]->setText(qs(*commandCaptions[i]));
    for (int i = 0; i < 10; ++i)
        relays_->setRelay(i, s.relays[static_cast<std::size_t>(i)]);
    for (std::size_t i = 0; i < lampLabels_.size(); ++i) {
        lampLabels_[i]->setText(qs(c.lampLabels[i]));
        lampLabels_[i]->setVisible(s.labelsVisible);
    }
    for (std::size_t i = 0; i < edRele_.size(); ++i) {
        setEditText(edRele_[i], s.edRele[i]);
        edRele_[i]->setEnabled(s.edReleEnabled);
        edRele_[i]->setVisible(s.labelsVisible);
    }
}
