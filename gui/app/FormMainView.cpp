#include "gui/app/FormMainView.h"

#include "app/FormMainF.h"
#include "device/EquipCommF.h"
#include "gui/app/ClickableLabel.h"
#include "gui/app/GuiResources.h"
#include "gui/app/KeyCode.h"
#include "gui/app/PageView.h"
#include "gui/app/QtLanguage.h"
#include "gui/app/WidgetText.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

constexpr int kLeftWidth = 112;
constexpr int kIconSize = 64;
constexpr std::array<const char*, kMainImageCount> kImageFiles{
    "conf-gerais", "setpoints", "paralelismo", "conjunto-reg", "serial",
    "saida-corrente", "saida-corrente", "download", "conf-equip", "calibracao"};
constexpr std::array<const char*, kMainImageCount> kImageNames{
    "imgConfGerais", "imgConfSetPoint", "imgConfParalelismo", "imgConfConjuntoReg", "imgConfSerial",
    "imgConfSaidaCorrente", "imgConfSaidaCorrente2", "imgDownload", "imgConfEquip", "imgCalibracao"};
constexpr std::array<const char*, kMainLabelCount> kLabelNames{
    "lblGeral", "lblSetPoint", "lblParalelismo", "lblConjuntoReg", "lblSerial",
    "lblConfSaida", "lblDownload", "lblConfEquip", "lblCalibracao"};
constexpr std::array<const char*, kFrameCount> kFrameNames{
    "TFrameConfGeral", "TFrameConfGeral_QLX700P", "TFrameConfGeral_QLX700R", "TFrameConfGeral_QLX700IRR",
    "TFrameConfGeral_QLX700C", "TFrameTesteCalibracao", "TFrameDownload", "TFrameConfSetPoints", "TFrameConfSerial",
    "TFrameConfSaidaCorrente", "TFrameConfParalelismo", "TFrameConfQLX700R", "TFrameConfQLX700IRR",
    "TFrameConfQLX700C", "TFrameConfConjuntoReg", "TFrame_QLX700IRR_Registros"};
constexpr std::array<const char*, 3> kLanguageNames{"Português", "English", "Español"};
constexpr std::array<const char*, 3> kFlagFiles{"flag-pt", "flag-en", "flag-es"};

QPixmap picture(const char* name, QSize size)
{
    return QIcon(QString(":/icons/%1.svg").arg(name)).pixmap(size);
}

} // namespace

FormMainView::FormMainView(TFormMain& logic, QWidget* parent)
    : QWidget(parent)
    , logic_(logic)
{
    initGuiResources();
    setObjectName("TFormMain");
    setWindowIcon(QIcon(":/icons/qlx700.svg"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildTop());
    auto* middle = new QHBoxLayout;
    middle->setSpacing(0);
    middle->addWidget(buildLeft());
    pnAlClient_ = new QStackedWidget(this);
    pnAlClient_->setObjectName("pnAlClient");
    emptyPage_ = new QWidget(pnAlClient_);
    pnAlClient_->addWidget(emptyPage_);
    for (int i = 0; i < kFrameCount; ++i) {
        auto* host = new QWidget(pnAlClient_);
        host->setObjectName(kFrameNames[static_cast<std::size_t>(i)]);
        hosts_[static_cast<std::size_t>(i)] = host;
        pnAlClient_->addWidget(host);
    }
    middle->addWidget(pnAlClient_, 1);
    layout->addLayout(middle, 1);
    layout->addWidget(buildBottom());
    resize(kClientWidth, kClientHeight);

    qApp->installEventFilter(this);
    logic_.setChangedHandler([this] { render(); });
    render();
}

FormMainView::~FormMainView()
{
    logic_.setChangedHandler(nullptr);
    qApp->removeEventFilter(this);
}

QWidget* FormMainView::buildTop()
{
    auto* top = new QWidget(this);
    top->setObjectName("pnAlTop");
    top->setAttribute(Qt::WA_StyledBackground);
    auto* row = new QHBoxLayout(top);
    row->setContentsMargins(12, 5, 12, 5);
    lblTipoEquip_ = new QLabel(top);
    lblTipoEquip_->setObjectName("lblTipoEquip");
    row->addWidget(lblTipoEquip_);
    auto* group = new QGroupBox(top);
    group->setObjectName("rgTipoEquip");
    auto* radios = new QHBoxLayout(group);
    radios->setContentsMargins(6, 0, 0, 0);
    radios->setSpacing(8);
    rgTipoEquip_ = new QButtonGroup(this);
    for (int t = 0; t < 5; ++t) {
        auto* radio = new QRadioButton(group);
        radio->setObjectName(QString("rgTipoEquip%1").arg(t));
        radio->setFocusPolicy(Qt::TabFocus);
        rgTipoEquip_->addButton(radio, t);
        radios->addWidget(radio);
    }
    row->addWidget(group);
    row->addStretch(1);
    // Each language: its flag over its name.
    for (int l = 0; l < 3; ++l) {
        const QString suffix = l == 0 ? "Portugues" : l == 1 ? "Ingles" : "Espanhol";
        auto* flag = new ClickableLabel(top);
        flag->setObjectName("img" + suffix);
        flag->setAlignment(Qt::AlignCenter);
        flag->setPixmap(picture(kFlagFiles[static_cast<std::size_t>(l)], QSize(27, 19)));
        auto* name = new ClickableLabel(top);
        name->setObjectName("lbl" + suffix);
        name->setProperty("class", "languageName");
        name->setAlignment(Qt::AlignCenter);
        name->setText(kLanguageNames[static_cast<std::size_t>(l)]);
        flag->makeKeyboardReachable(kLanguageNames[static_cast<std::size_t>(l)]);
        flags_[static_cast<std::size_t>(l)] = flag;
        languageNames_[static_cast<std::size_t>(l)] = name;
        auto* column = new QVBoxLayout;
        column->setSpacing(1);
        column->addWidget(flag);
        column->addWidget(name);
        row->addSpacing(l == 0 ? 0 : 6);
        row->addLayout(column);
        for (ClickableLabel* c : {flag, name})
            connect(c, &ClickableLabel::clicked, this, [this, l] { logic_.languageClick(l); });
    }
    connect(rgTipoEquip_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked && !rendering_)
            logic_.rgTipoEquipClick(id);
    });
    return top;
}

QWidget* FormMainView::buildLeft()
{
    auto* left = new QWidget(this);
    left->setObjectName("pnLeft");
    left->setAttribute(Qt::WA_StyledBackground);
    left->setFixedWidth(kLeftWidth);
    left->setMinimumHeight(kIconSlots.back().labelTop + 24);
    for (int i = 0; i < kMainImageCount; ++i) {
        auto* img = new ClickableLabel(left);
        img->setObjectName(kImageNames[static_cast<std::size_t>(i)]);
        img->setAlignment(Qt::AlignCenter);
        img->setPixmap(picture(kImageFiles[static_cast<std::size_t>(i)], QSize(48, 48)));
        img->makeKeyboardReachable(kImageNames[static_cast<std::size_t>(i)]);
        images_[static_cast<std::size_t>(i)] = img;
        const auto image = static_cast<MainImage>(i);
        connect(img, &ClickableLabel::clicked, this, [this, image] { logic_.imageClick(image); });
    }
    for (int l = 0; l < kMainLabelCount; ++l) {
        auto* label = new QLabel(left);
        label->setObjectName(kLabelNames[static_cast<std::size_t>(l)]);
        label->setProperty("class", "iconLabel");
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        labels_[static_cast<std::size_t>(l)] = label;
    }
    return left;
}

QWidget* FormMainView::buildBottom()
{
    auto* bottom = new QWidget(this);
    bottom->setObjectName("pnBottom");
    bottom->setAttribute(Qt::WA_StyledBackground);
    auto* row = new QHBoxLayout(bottom);
    row->setContentsMargins(12, 4, 12, 4);
    image1_ = new ClickableLabel(bottom);
    image1_->setObjectName("Image1");
    image1_->setCursor(Qt::ArrowCursor);
    image1_->setPixmap(picture("logo", QSize(120, 26)));
    row->addWidget(image1_);
    row->addStretch(1);
    connect(image1_, &ClickableLabel::pressed, this, [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
        logic_.Image1MouseDown(button == Qt::RightButton, modifiers.testFlag(Qt::ControlModifier));
    });
    return bottom;
}

void FormMainView::setPageView(FrameId id, PageView* view)
{
    QWidget* host = pageHost(id);
    auto* layout = new QVBoxLayout(host);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    pageViews_[static_cast<std::size_t>(id)] = view;
    view->render();
}

QWidget* FormMainView::image(MainImage i) const
{
    return images_[static_cast<std::size_t>(i)];
}

QRadioButton* FormMainView::deviceTypeButton(int type) const
{
    return qobject_cast<QRadioButton*>(rgTipoEquip_->button(type));
}

QWidget* FormMainView::logo() const
{
    return image1_;
}

QWidget* FormMainView::clientArea() const
{
    return pnAlClient_;
}

void FormMainView::render()
{
    rendering_ = true;
    applyQtLanguage(logic_.language());
    setWindowTitle(qs(logic_.caption()));
    lblTipoEquip_->setText(qs(logic_.tipoEquipLabel()));
    for (int t = 0; t < 5; ++t) {
        QAbstractButton* b = rgTipoEquip_->button(t);
        b->setText(qs(logic_.deviceTypeItems()[static_cast<std::size_t>(t)]));
        b->setChecked(t == logic_.deviceTypeIndex());
    }
    for (int i = 0; i < kMainImageCount; ++i) {
        const TFormMain::ImageState& s = logic_.image(static_cast<MainImage>(i));
        QWidget* w = images_[static_cast<std::size_t>(i)];
        w->setGeometry((kLeftWidth - kIconSize) / 2, s.top, kIconSize, kIconSize);
        w->setVisible(s.visible);
    }
    for (int l = 0; l < kMainLabelCount; ++l) {
        const TFormMain::LabelState& s = logic_.label(static_cast<MainLabel>(l));
        QLabel* w = labels_[static_cast<std::size_t>(l)];
        w->setText(qs(s.text));
        w->setGeometry(2, s.top, kLeftWidth - 4, 20);
        w->setVisible(s.visible);
    }
    const std::optional<FrameId> shown = logic_.shownFrame();
    QWidget* current = shown ? pageHost(*shown) : emptyPage_;
    pnAlClient_->setCurrentWidget(current);
    // Only the page shown sets the window's least size: a wide page the user has not
    // opened must not widen the window.
    for (QWidget* host : hosts_) {
        const auto policy = host == current ? QSizePolicy::Preferred : QSizePolicy::Ignored;
        if (host->sizePolicy().horizontalPolicy() != policy)
            host->setSizePolicy(policy, policy);
    }
    if (shown && pageViews_[static_cast<std::size_t>(*shown)] != nullptr)
        pageViews_[static_cast<std::size_t>(*shown)]->render();
    const int wanted = logic_.takeClientWidthRequest();
    if (wanted > width())
        resize(wanted, height());
    rendering_ = false;
}

// The window sees every key before its controls (the access word works whatever has
// the focus). Keys are passed on unchanged.
bool FormMainView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        QWidget* focus = QApplication::focusWidget();
        // A key is offered to the focus widget first, then to its parents: take it once.
        const bool first = focus != nullptr ? widget == focus : widget == this;
        if (first && widget->window() == this) {
            const auto* key = static_cast<QKeyEvent*>(event);
            logic_.FormKeyDown(accessKeyCode(*key), key->modifiers().testFlag(Qt::ShiftModifier));
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FormMainView::closeEvent(QCloseEvent* event)
{
    LinkActivity& activity = logic_.comm().activity();
    if (!activity.active()) {
        QWidget::closeEvent(event);
        return;
    }
    event->ignore();
    activity.whenIdle(LinkActivity::Key::Close, [this] { close(); });
}
