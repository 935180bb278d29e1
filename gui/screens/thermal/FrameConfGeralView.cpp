#include "gui/screens/thermal/FrameConfGeralView.h"

#include "gui/app/DecimalSeparator.h"
#include "gui/app/WidgetText.h"
#include "screens/thermal/FrameConfGeralF.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kLampSize = 14;
constexpr int kGridRowHeight = 22;
constexpr QSize kContactSize{40, 28};

QString colour(unsigned rgb)
{
    return QString("#%1").arg(rgb, 6, 16, QChar('0'));
}

void setPanel(QLabel* panel, const FrameConfGeralState::Panel& state)
{
    panel->setText(qs(state.text));
    // Button face: the style's own colour.
    const QString sheet = state.buttonFace
                              ? QString("color: %1;").arg(colour(state.textColor))
                              : QString("background: %1; color: %2;").arg(colour(state.background), colour(state.textColor));
    if (panel->styleSheet() != sheet)
        panel->setStyleSheet(sheet);
}

QLabel* panel(const char* name, QWidget* parent)
{
    QLabel* p = namedPanel(name, parent);
    p->setAlignment(Qt::AlignCenter);
    p->setMinimumHeight(24);
    return p;
}

QTableWidget* grid(const char* name, int columns, int rows, std::initializer_list<int> widths, QWidget* parent)
{
    auto* g = new QTableWidget(rows, columns, parent);
    g->setObjectName(name);
    g->verticalHeader()->hide();
    g->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionMode(QAbstractItemView::NoSelection);
    g->setFocusPolicy(Qt::NoFocus);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QVariantList least;
    for (int w : widths)
        least << w;
    g->setProperty("leastWidths", least);
    g->horizontalHeader()->setStretchLastSection(true);
    for (int r = 0; r < rows; ++r) {
        auto* label = new QTableWidgetItem(QString::number(r + 1));
        label->setTextAlignment(Qt::AlignCenter);
        g->setItem(r, 0, label);
        for (int col = 1; col < columns; ++col) {
            auto* cell = new QTableWidgetItem;
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            g->setItem(r, col, cell);
        }
    }
    g->setFixedHeight(g->horizontalHeader()->sizeHint().height() + rows * g->verticalHeader()->defaultSectionSize() + 2);
    return g;
}

// Columns keep their set widths, widened where a language's header would not fit.
void setHeader(QTableWidget* g, const auto& texts)
{
    QStringList labels;
    for (const std::string& t : texts)
        labels << qs(t);
    if (g->property("headerLabels").toStringList() == labels)
        return;
    g->setProperty("headerLabels", labels);
    g->setHorizontalHeaderLabels(labels);
    const QFontMetrics metrics(g->horizontalHeader()->font());
    const QVariantList least = g->property("leastWidths").toList();
    int total = 2;
    for (int c = 0; c < least.size(); ++c) {
        const int w = std::max(least[c].toInt(), metrics.horizontalAdvance(labels[c]) + 12);
        g->setColumnWidth(c, w);
        total += w;
    }
    g->setFixedWidth(total);
}

void setCell(QTableWidget* g, int row, int column, const std::string& text)
{
    QTableWidgetItem* item = g->item(row, column);
    if (item->text() != qs(text))
        item->setText(qs(text));
}

void select(QButtonGroup* group, int index)
{
    if (index < 0) {
        // An exclusive group cannot uncheck its checked button.
        group->setExclusive(false);
        for (QAbstractButton* b : group->buttons())
            b->setChecked(false);
        group->setExclusive(true);
    } else if (QAbstractButton* b = group->button(index)) {
        b->setChecked(true);
    }
}

template <std::size_t N>
void setItems(QGroupBox* box, QButtonGroup* group, const std::string& title, const std::array<std::string, N>& items)
{
    box->setTitle(qs(title));
    for (std::size_t i = 0; i < N; ++i)
        group->button(static_cast<int>(i))->setText(qs(items[i]));
}

QString contactName(FrameConfGeralState::Contact contact)
{
    switch (contact) {
    case FrameConfGeralState::Contact::Closed:
        return "closed";
    case FrameConfGeralState::Contact::Open:
        return "open";
    case FrameConfGeralState::Contact::None:
        break;
    }
    return {};
}

QPixmap contactPicture(FrameConfGeralState::Contact contact)
{
    const bool closed = contact == FrameConfGeralState::Contact::Closed;
    return QIcon(closed ? ":/icons/rele-fechado.svg" : ":/icons/rele-aberto.svg").pixmap(kContactSize);
}

} // namespace

FrameConfGeralView::FrameConfGeralView(TFrameConfGeral& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("FrameConfGeralView");
    logic_.setDecimalSeparator(systemDecimalSeparator());
    QVBoxLayout* layout = addBackground();
    pnBack_ = background();
    auto* top = new QHBoxLayout;
    top->addWidget(buildConnection());
    top->addWidget(buildClock(), 1);
    layout->addLayout(top);
    layout->addWidget(buildSettings());
    layout->addWidget(buildGrids());
    layout->addWidget(buildRelays());
    layout->addStretch(1);

    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(kTimerMs);
    connect(timer1_, &QTimer::timeout, this, [this] { tick(); });
    timer1_->start();
    render();
}

template <typename F>
void FrameConfGeralView::handle(F&& f)
{
    f();
    render();
}

QPushButton* FrameConfGeralView::button(const char* name, std::function<void()> click)
{
    auto* b = new QPushButton(pnBack_);
    b->setObjectName(name);
    connect(b, &QPushButton::clicked, this, [this, click = std::move(click)] { handle(click); });
    return b;
}

QWidget* FrameConfGeralView::buildConnection()
{
    auto* box = new QGroupBox(pnBack_);
    box->setObjectName("gbConexao");
    auto* grid = new QGridLayout(box);
    bbConectar_ = button("bbConectar", [this] { logic_.bbConectarClick(false); });
    bbConectarUsb_ = button("bbConectarUsb", [this] { logic_.bbConectarClick(true); });
    bbConectarIP_ = button("bbConectarIP", [this] { logic_.bbConectarIPClick(); });
    pnNumSerie_ = panel("pnNumSerie", box);
    pnVersaoFirmware_ = panel("pnVersaoFirmware", box);
    bbAlterarSenha_ = button("bbAlterarSenha", [this] { logic_.bbAlterarSenhaClick(); });
    bbAlterarIP_ = button("bbAlterarIP", [this] { logic_.bbAlterarIPClick(); });
    bbSalvarConf_ = button("bbSalvarConf", [this] { logic_.bbSalvarConfClick(); });
    bbCarregarConf_ = button("bbCarregarConf", [this] { logic_.bbCarregarConfClick(); });
    BitBtn1_ = button("BitBtn1", [this] { logic_.BitBtn1Click(); });
    grid->addWidget(bbConectar_, 0, 0);
    grid->addWidget(bbConectarUsb_, 0, 1);
    grid->addWidget(bbConectarIP_, 0, 2);
    grid->addWidget(pnNumSerie_, 1, 0, 1, 3);
    grid->addWidget(pnVersaoFirmware_, 2, 0, 1, 3);
    grid->addWidget(bbAlterarSenha_, 3, 0);
    grid->addWidget(bbAlterarIP_, 3, 1);
    grid->addWidget(BitBtn1_, 3, 2);
    grid->addWidget(bbSalvarConf_, 4, 0);
    grid->addWidget(bbCarregarConf_, 4, 1);
    return box;
}

QWidget* FrameConfGeralView::buildClock()
{
    auto* box = new QGroupBox(pnBack_);
    box->setObjectName("gbRelogio");
    auto* column = new QVBoxLayout(box);
    pnRelogio_ = panel("pnRelogio", box);
    pnRelogio_->setMinimumHeight(36);
    QFont font = pnRelogio_->font();
    font.setPointSizeF(font.pointSizeF() * 1.3);
    font.setBold(true);
    pnRelogio_->setFont(font);
    bbAjustarRelogioComputador_ =
        button("bbAjustarRelogioComputador", [this] { logic_.bbAjustarRelogioComputadorClick(); });
    bbAjustarRelogioManual_ = button("bbAjustarRelogioManual", [this] { logic_.bbAjustarRelogioManualClick(); });
    column->addWidget(pnRelogio_);
    column->addWidget(bbAjustarRelogioComputador_);
    column->addWidget(bbAjustarRelogioManual_);
    column->addStretch(1);
    return box;
}

QButtonGroup* FrameConfGeralView::radioGroup(QGroupBox* box, const char* name, int items,
                                             std::function<void(int)> click)
{
    box->setObjectName(name);
    auto* column = new QVBoxLayout(box);
    column->setSpacing(2);
    auto* group = new QButtonGroup(box);
    for (int i = 0; i < items; ++i) {
        auto* radio = new QRadioButton(box);
        radio->setObjectName(QString("%1%2").arg(name).arg(i));
        group->addButton(radio, i);
        column->addWidget(radio);
    }
    column->addStretch(1);
    // Only the user's clicks: a redraw that checks a button sends nothing.
    connect(group, &QButtonGroup::idClicked, this, [this, click = std::move(click)](int id) { handle([&] { click(id); }); });
    return group;
}

QWidget* FrameConfGeralView::buildSettings()
{
    auto* row = new QWidget(pnBack_);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    rgVisualizacaoBox_ = new QGroupBox(row);
    rgFreqOperacaoBox_ = new QGroupBox(row);
    rgIdiomaBox_ = new QGroupBox(row);
    rgVisualizacao_ = radioGroup(rgVisualizacaoBox_, "rgVisualizacao", 3, [this](int i) { logic_.rgVisualizacaoClick(i); });
    rgFreqOperacao_ = radioGroup(rgFreqOperacaoBox_, "rgFreqOperacao", 2, [this](int i) { logic_.rgFreqOperacaoClick(i); });
    rgIdioma_ = radioGroup(rgIdiomaBox_, "rgIdioma", 3, [this](int i) { logic_.rgIdiomaClick(i); });
    layout->addWidget(rgVisualizacaoBox_, 1);
    layout->addWidget(rgFreqOperacaoBox_, 1);
    layout->addWidget(rgIdiomaBox_, 1);
    return row;
}

QWidget* FrameConfGeralView::buildGrids()
{
    auto* row = new QWidget(pnBack_);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    sgMedidas_ = grid("sgMedidas", 3, 6, {40, 100, 100}, row);
    sgMedidasEnrolamento_ = grid("sgMedidasEnrolamento", 4, 3, {40, 90, 90, 90}, row);
    layout->addWidget(sgMedidas_, 0, Qt::AlignTop);
    layout->addStretch(1);
    layout->addWidget(sgMedidasEnrolamento_, 0, Qt::AlignTop);
    return row;
}

QWidget* FrameConfGeralView::buildRelays()
{
    auto* box = new QGroupBox(pnBack_);
    box->setObjectName("gbReles");
    auto* layout = new QGridLayout(box);
    layout->setHorizontalSpacing(4);
    for (int i = 0; i < TFrameConfGeral::kRelayCount; ++i) {
        const auto n = static_cast<std::size_t>(i);
        auto* lamp = new QLabel(box);
        lamp->setObjectName(QString("spRele%1").arg(i + 1));
        lamp->setFixedSize(kLampSize, kLampSize);
        auto* picture = new QLabel(box);
        picture->setObjectName(QString("imgRele%1").arg(i + 1));
        picture->setFixedSize(kContactSize);
        picture->setAlignment(Qt::AlignCenter);
        auto* edit = namedEdit("", box);
        edit->setObjectName(QString("edRele%1").arg(i + 1));
        edit->setAlignment(Qt::AlignCenter);
        edit->setMaximumWidth(60);
        edit->setProperty("relay", i);
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [this, i](const QString& text) { logic_.setEdRele(i, text.toStdString()); });
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] {
            // Enter leaves the edit for the background, as a focus change would.
            if (edit->hasFocus())
                pnBack_->setFocus();
            handle([&] { logic_.edRele1Exit(); });
        });
        layout->addWidget(lamp, 0, i, Qt::AlignHCenter);
        layout->addWidget(picture, 1, i, Qt::AlignHCenter);
        layout->addWidget(edit, 2, i, Qt::AlignHCenter);
        spRele_[n] = lamp;
        imgRele_[n] = picture;
        edRele_[n] = edit;
    }
    return box;
}

bool FrameConfGeralView::eventFilter(QObject* watched, QEvent* event)
{
    // Only the name edits are watched.
    if (event->type() == QEvent::FocusIn)
        logic_.setFocusedEdit(watched->property("relay").toInt());
    else if (event->type() == QEvent::FocusOut)
        logic_.setFocusedEdit(TFrameConfGeral::kNoFocus);
    return PageView::eventFilter(watched, event);
}

void FrameConfGeralView::tick()
{
    if (!logic_.timerEnabled())
        return;
    logic_.Timer1Timer();
    render();
}

void FrameConfGeralView::render()
{
    const FrameConfGeralCaptions& c = logic_.captions();
    const FrameConfGeralState& s = logic_.state();
    bbConectar_->setText(qs(c.bbConectar));
    bbConectarUsb_->setText(qs(c.bbConectarUsb));
    bbConectarIP_->setText(qs(c.bbConectarIP));
    bbConectarUsb_->setEnabled(s.bbConectarUsbEnabled);
    bbConectarIP_->setEnabled(s.bbConectarIPEnabled);
    bbAjustarRelogioComputador_->setText(qs(c.bbAjustarRelogioComputador));
    bbAjustarRelogioManual_->setText(qs(c.bbAjustarRelogioManual));
    bbAlterarSenha_->setText(qs(c.bbAlterarSenha));
    bbAlterarIP_->setText(qs(c.bbAlterarIP));
    bbSalvarConf_->setText(qs(c.bbSalvarConf));
    bbCarregarConf_->setText(qs(c.bbCarregarConf));
    BitBtn1_->setText(qs(c.BitBtn1));
    BitBtn1_->setVisible(s.BitBtn1Visible);
    setItems(rgVisualizacaoBox_, rgVisualizacao_, c.rgVisualizacao, c.rgVisualizacaoItems);
    setItems(rgFreqOperacaoBox_, rgFreqOperacao_, c.rgFreqOperacao, c.rgFreqOperacaoItems);
    setItems(rgIdiomaBox_, rgIdioma_, c.rgIdioma, c.rgIdiomaItems);
    select(rgVisualizacao_, s.rgVisualizacao);
    select(rgFreqOperacao_, s.rgFreqOperacao);
    select(rgIdioma_, s.rgIdioma);
    setHeader(sgMedidas_, c.sgMedidasHeader);
    setHeader(sgMedidasEnrolamento_, c.sgMedidasEnrolamentoHeader);
    for (int r = 0; r < static_cast<int>(s.medidas.size()); ++r) {
        for (int col = 0; col < 2; ++col)
            setCell(sgMedidas_, r, col + 1, s.medidas[static_cast<std::size_t>(r)][static_cast<std::size_t>(col)]);
    }
    for (int r = 0; r < static_cast<int>(s.medidasEnrolamento.size()); ++r) {
        for (int col = 0; col < 3; ++col)
            setCell(sgMedidasEnrolamento_, r, col + 1,
                    s.medidasEnrolamento[static_cast<std::size_t>(r)][static_cast<std::size_t>(col)]);
    }
    setPanel(pnNumSerie_, s.pnNumSerie);
    setPanel(pnVersaoFirmware_, s.pnVersaoFirmware);
    pnRelogio_->setText(qs(s.pnRelogio));
    for (std::size_t i = 0; i < spRele_.size(); ++i) {
        const FrameConfGeralState::Relay& relay = s.relays[i];
        const QString lamp = QString("background: %1; border-radius: %2px;").arg(colour(relay.lamp)).arg(kLampSize / 2);
        if (spRele_[i]->styleSheet() != lamp)
            spRele_[i]->setStyleSheet(lamp);
        // The picture is reassigned only when it changes.
        const QString contact = contactName(relay.picture);
        if (imgRele_[i]->property("contact").toString() != contact) {
            imgRele_[i]->setProperty("contact", contact);
            if (contact.isEmpty())
                imgRele_[i]->clear();
            else
                imgRele_[i]->setPixmap(contactPicture(relay.picture));
        }
        setEditText(edRele_[i], s.edRele[i]);
        edRele_[i]->setEnabled(s.edReleEnabled);
    }
}
