#include "gui/screens/irrigation/FrameConfQLX700IRRView.h"

#include "gui/app/ApplyEdit.h"
#include "gui/app/DecimalSeparator.h"
#include "gui/app/RadioGroupBox.h"
#include "gui/app/WidgetText.h"
#include "screens/irrigation/FrameConfQLX700IRRF.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr const char* kEditNames[] = {"InicioH",
                                      "InicioM",
                                      "Duracao",
                                      "HidrometroMax",
                                      "ManualDuracao",
                                      "PressaoFundoEscala",
                                      "PressaoMaxima",
                                      "PressaoMinima",
                                      "TimerPressaoMaxima",
                                      "TimerPressaoMinima",
                                      "HidrometroFator",
                                      "PluviometroFator",
                                      "PluviometroMaximo",
                                      "PluviometroPeriodo"};
constexpr const char* kCheckNames[] = {"cbRamal1",          "cbRamal2",           "cbRamal3",
                                       "cbRamal4",          "cbRamal5",           "cbBloquearConsumo",
                                       "cbHidrometroHabilita", "cbPluviometroHabilita", "cbPt100Habilita"};
constexpr const char* kRadioNames[] = {"rgRamosHabilita", "rgSensor", "rgModo", "rgPresencaAgua", "rgPressostato"};
constexpr int kEditWidth = 60;

QString named(const char* prefix, const char* name)
{
    return QString(prefix) + name;
}

} // namespace

FrameConfQLX700IRRView::FrameConfQLX700IRRView(TFrameConfQLX700IRR& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("FrameConfQLX700IRRView");
    logic_.setDecimalSeparator(systemDecimalSeparator());
    QVBoxLayout* layout = addBackground();

    // The cycle: which one, its start, duration and branches, and the consumption limit.
    QGroupBox* gbCiclo = group(0, "gbCiclo");
    auto* ciclo = new QGridLayout(gbCiclo);
    cbCiclo_ = new QComboBox(gbCiclo);
    cbCiclo_->setObjectName("cbCiclo");
    connect(cbCiclo_, &QComboBox::activated, this, [this](int index) {
        logic_.cbCicloSelect(index);
        render();
    });
    ciclo->addWidget(cbCiclo_, 0, 0);
    auto* start = new QHBoxLayout;
    start->addWidget(makeEdit(IrrEdit::InicioH, gbCiclo));
    start->addWidget(new QLabel(":", gbCiclo));
    start->addWidget(makeEdit(IrrEdit::InicioM, gbCiclo));
    start->addStretch(1);
    QLabel* lblInicio = labels_[static_cast<std::size_t>(IrrEdit::InicioH)] = new QLabel(gbCiclo);
    lblInicio->setObjectName("lblInicio");
    ciclo->addWidget(lblInicio, 1, 0);
    ciclo->addLayout(start, 1, 1, 1, 2);
    addEditRow(ciclo, IrrEdit::Duracao);
    auto* branches = new QHBoxLayout;
    for (int b = 0; b < kIrrBranchCount; ++b)
        branches->addWidget(makeCheck(static_cast<IrrCheck>(b), gbCiclo));
    ciclo->addLayout(branches, ciclo->rowCount(), 0, 1, 3);
    addEditRow(ciclo, IrrEdit::HidrometroMax);
    ciclo->addWidget(makeCheck(IrrCheck::BloquearConsumo, gbCiclo), ciclo->rowCount(), 0, 1, 3);

    QGroupBox* gbGeral = group(1, "gbGeral");
    auto* geral = new QGridLayout(gbGeral);
    geral->addWidget(makeRadio(IrrRadio::RamosHabilita, gbGeral), 0, 0, 1, 3);
    addEditRow(geral, IrrEdit::ManualDuracao);

    QGroupBox* gbBomba = group(2, "gbBomba");
    auto* bomba = new QGridLayout(gbBomba);
    bomba->addWidget(makeRadio(IrrRadio::Sensor, gbBomba), 0, 0, 1, 3);
    for (IrrEdit e : {IrrEdit::PressaoFundoEscala, IrrEdit::PressaoMaxima, IrrEdit::PressaoMinima,
                      IrrEdit::TimerPressaoMaxima, IrrEdit::TimerPressaoMinima})
        addEditRow(bomba, e);

    QGroupBox* gbSensors = group(3, "gbSensors");
    auto* sensors = new QGridLayout(gbSensors);
    sensors->addWidget(makeRadio(IrrRadio::Modo, gbSensors), 0, 0, 1, 3);
    for (IrrEdit e : {IrrEdit::HidrometroFator, IrrEdit::PluviometroFator, IrrEdit::PluviometroMaximo,
                      IrrEdit::PluviometroPeriodo})
        addEditRow(sensors, e);
    for (IrrCheck c : {IrrCheck::HidrometroHabilita, IrrCheck::PluviometroHabilita, IrrCheck::Pt100Habilita})
        sensors->addWidget(makeCheck(c, gbSensors), sensors->rowCount(), 0, 1, 3);
    auto* inverts = new QHBoxLayout;
    inverts->addWidget(makeRadio(IrrRadio::PresencaAgua, gbSensors));
    inverts->addWidget(makeRadio(IrrRadio::Pressostato, gbSensors));
    sensors->addLayout(inverts, sensors->rowCount(), 0, 1, 3);

    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(gbCiclo);
    left->addWidget(gbGeral);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(gbBomba);
    right->addWidget(gbSensors);
    right->addStretch(1);
    columns->addLayout(left);
    columns->addLayout(right);
    columns->addStretch(1);
    layout->addLayout(columns);
    layout->addStretch(1);
    render();
}

// An edit loses the focus while the page is destroyed: that must not reach the logic
// through a page that is no longer whole.
FrameConfQLX700IRRView::~FrameConfQLX700IRRView()
{
    for (ApplyEdit* e : edits_)
        e->disconnect(this);
}

QGroupBox* FrameConfQLX700IRRView::group(int index, const char* name)
{
    auto* box = new QGroupBox(background());
    box->setObjectName(name);
    groups_[static_cast<std::size_t>(index)] = box;
    return box;
}

void FrameConfQLX700IRRView::addEditRow(QGridLayout* grid, IrrEdit edit)
{
    const int row = grid->rowCount();
    QWidget* box = grid->parentWidget();
    const auto e = static_cast<std::size_t>(edit);
    labels_[e] = new QLabel(box);
    labels_[e]->setObjectName(named("lbl", kEditNames[e]));
    grid->addWidget(labels_[e], row, 0);
    grid->addWidget(makeEdit(edit, box), row, 1);
    units_[e] = new QLabel(box);
    units_[e]->setObjectName(named("lblUnidade", kEditNames[e]));
    grid->addWidget(units_[e], row, 2);
}

ApplyEdit* FrameConfQLX700IRRView::makeEdit(IrrEdit edit, QWidget* parent)
{
    const auto e = static_cast<std::size_t>(edit);
    const QByteArray name = named("ed", kEditNames[e]).toLatin1();
    auto* ed = new ApplyEdit(name.constData(), background());
    ed->setParent(parent);
    ed->setFixedWidth(kEditWidth);
    connect(ed, &QLineEdit::textEdited, this, [this, edit](const QString& text) { logic_.setEdit(edit, text.toStdString()); });
    // The text as it stands when the edit is left is what goes out, even if a redraw
    // during the typing kept the edit from following the device. The send waits for
    // the device while the window runs; queued, it runs after the event that took the
    // focus (a press on a box) has reached its widget, so that click is not lost.
    connect(
        ed, &ApplyEdit::applied, this,
        [this, edit, ed] {
            logic_.setEdit(edit, ed->text().toStdString());
            logic_.edInicioHExit();
            render();
        },
        Qt::QueuedConnection);
    edits_[e] = ed;
    return ed;
}

QCheckBox* FrameConfQLX700IRRView::makeCheck(IrrCheck box, QWidget* parent)
{
    const auto c = static_cast<std::size_t>(box);
    auto* check = new QCheckBox(parent);
    check->setObjectName(kCheckNames[c]);
    connect(check, &QCheckBox::clicked, this, [this, box](bool checked) {
        background()->setFocus();
        logic_.checkClick(box, checked);
        render();
    });
    checks_[c] = check;
    return check;
}

RadioGroupBox* FrameConfQLX700IRRView::makeRadio(IrrRadio group, QWidget* parent)
{
    const auto r = static_cast<std::size_t>(group);
    auto* radio = new RadioGroupBox(kRadioNames[r], 2, 2, parent);
    connect(radio, &RadioGroupBox::clicked, this, [this, group](int index) {
        background()->setFocus();
        logic_.radioClick(group, index);
        render();
    });
    radios_[r] = radio;
    return radio;
}

void FrameConfQLX700IRRView::render()
{
    const FrameConfQLX700IRRCaptions& c = logic_.captions();
    const FrameConfQLX700IRRState& s = logic_.state();
    for (std::size_t g = 0; g < groups_.size(); ++g)
        groups_[g]->setTitle(qs(c.groups[g]));
    for (std::size_t i = 0; i < c.cbCicloItems.size(); ++i) {
        if (cbCiclo_->count() <= static_cast<int>(i))
            cbCiclo_->addItem(qs(c.cbCicloItems[i]));
    }
    cbCiclo_->setCurrentIndex(s.cbCiclo);
    for (std::size_t e = 0; e < edits_.size(); ++e) {
        // The minutes share the start's label and have no unit.
        if (labels_[e] != nullptr)
            labels_[e]->setText(qs(c.labels[e]));
        if (units_[e] != nullptr)
            units_[e]->setText(qs(c.units[e]));
        setEditText(edits_[e], s.edits[e]);
    }
    for (std::size_t b = 0; b < checks_.size(); ++b) {
        checks_[b]->setText(qs(c.checks[b]));
        // A box whose register never came on this link is shown neither way.
        if (s.checks[b] == FrameConfQLX700IRRState::kUnknown) {
            checks_[b]->setCheckState(Qt::PartiallyChecked);
        } else {
            checks_[b]->setTristate(false);
            checks_[b]->setChecked(s.checks[b] == 1);
        }
    }
    for (std::size_t r = 0; r < radios_.size(); ++r) {
        radios_[r]->setTexts(c.radioTitles[r], {c.radioItems[r].begin(), c.radioItems[r].end()});
        radios_[r]->select(s.radios[r]);
    }
}
