#include "gui/app/MainWindowView.h"

#include "app/MainWindow.h"
#include "device/DeviceLink.h"
#include "gui/app/ClickableLabel.h"
#include "gui/app/GuiResources.h"
#include "gui/app/KeyCode.h"
#include "gui/app/PageView.h"
#include "gui/app/QtLanguage.h"
#include "gui/app/StyleFlag.h"
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
    "general", "setpoints", "parallelism", "regulator-sets", "serial",
    "current-outputs", "current-outputs", "events", "device-settings", "calibration"};
constexpr std::array<const char*, kMainImageCount> kImageNames{
    "generalIcon", "setPointsIcon", "parallelismIcon", "regulatorSetsIcon", "serialPortsIcon",
    "currentOutputsIcon", "optionalCurrentOutputsIcon", "eventsIcon", "deviceSettingsIcon", "calibrationIcon"};
constexpr std::array<const char*, kMainLabelCount> kIconLabelNames{
    "generalLabel", "setPointsLabel", "parallelismLabel", "regulatorSetsLabel", "serialPortsLabel",
    "currentOutputsLabel", "eventsLabel", "deviceSettingsLabel", "calibrationLabel"};
constexpr std::array<const char*, kPageCount> kPageNames{
    "ThermalGeneralPage", "ParallelismGeneralPage", "RegulatorGeneralPage", "IrrigationGeneralPage",
    "PositionGeneralPage", "CalibrationPage", "EventsPage", "SetPointsPage", "SerialPortsPage",
    "CurrentOutputsPage", "ParallelismPage", "RegulatorSettingsPage", "IrrigationSettingsPage",
    "PositionIndicatorPage", "RegulatorSetsPage", "IrrigationRecordsPage"};
constexpr std::array<const char*, 3> kLanguageNames{"Português", "English", "Español"};
constexpr std::array<const char*, 3> kFlagFiles{"flag-pt", "flag-en", "flag-es"};

QPixmap picture(const char* name, QSize size)
{
    return QIcon(QString(":/icons/%1.svg").arg(name)).pixmap(size);
}

} // namespace

MainWindowView::MainWindowView(MainWindow& logic, QWidget* parent)
    : QWidget(parent)
    , logic_(logic)
{
    initGuiResources();
    setObjectName("MainWindow");
    setWindowIcon(QIcon(":/icons/qlx700.svg"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildTop());
    auto* middle = new QHBoxLayout;
    middle->setSpacing(0);
    middle->addWidget(buildLeft());
    clientArea_ = new QStackedWidget(this);
    clientArea_->setObjectName("clientArea");
    emptyPage_ = new QWidget(clientArea_);
    clientArea_->addWidget(emptyPage_);
    for (int i = 0; i < kPageCount; ++i) {
        auto* host = new QWidget(clientArea_);
        host->setObjectName(kPageNames[static_cast<std::size_t>(i)]);
        hosts_[static_cast<std::size_t>(i)] = host;
        clientArea_->addWidget(host);
    }
    middle->addWidget(clientArea_, 1);
    layout->addLayout(middle, 1);
    layout->addWidget(buildBottom());
    resize(kClientWidth, kClientHeight);

    qApp->installEventFilter(this);
    logic_.setChangedHandler([this] { render(); });
    render();
}

MainWindowView::~MainWindowView()
{
    logic_.setChangedHandler(nullptr);
    qApp->removeEventFilter(this);
}

QWidget* MainWindowView::buildTop()
{
    auto* top = new QWidget(this);
    top->setObjectName("topPanel");
    top->setAttribute(Qt::WA_StyledBackground);
    auto* row = new QHBoxLayout(top);
    row->setContentsMargins(12, 5, 12, 5);
    deviceTypeLabel_ = new QLabel(top);
    deviceTypeLabel_->setObjectName("deviceTypeLabel");
    row->addWidget(deviceTypeLabel_);
    auto* group = new QGroupBox(top);
    group->setObjectName("deviceTypeGroup");
    auto* radios = new QHBoxLayout(group);
    radios->setContentsMargins(6, 0, 0, 0);
    radios->setSpacing(8);
    deviceTypeGroup_ = new QButtonGroup(this);
    for (int t = 0; t < 5; ++t) {
        auto* radio = new QRadioButton(group);
        radio->setObjectName(QString("deviceTypeGroup%1").arg(t));
        radio->setFocusPolicy(Qt::TabFocus);
        deviceTypeGroup_->addButton(radio, t);
        radios->addWidget(radio);
    }
    row->addWidget(group);
    row->addStretch(1);
    // Each language: its flag over its name.
    for (int l = 0; l < 3; ++l) {
        const QString suffix = l == 0 ? "Portuguese" : l == 1 ? "English" : "Spanish";
        auto* flag = new ClickableLabel(top);
        flag->setObjectName("flag" + suffix);
        flag->setAlignment(Qt::AlignCenter);
        flag->setPixmap(picture(kFlagFiles[static_cast<std::size_t>(l)], QSize(27, 19)));
        auto* name = new ClickableLabel(top);
        name->setObjectName("label" + suffix);
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
            connect(c, &ClickableLabel::clicked, this, [this, l] { logic_.languageChosen(l); });
    }
    connect(deviceTypeGroup_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked && !rendering_)
            logic_.deviceTypeChosen(id);
    });
    return top;
}

QWidget* MainWindowView::buildLeft()
{
    auto* left = new QWidget(this);
    left->setObjectName("leftPanel");
    left->setAttribute(Qt::WA_StyledBackground);
    left->setFixedWidth(kLeftWidth);
    left->setMinimumHeight(kIconSlots.back().labelTop + 24);
    for (int i = 0; i < kMainImageCount; ++i) {
        auto* icon = new ClickableLabel(left);
        icon->setObjectName(kImageNames[static_cast<std::size_t>(i)]);
        icon->setAlignment(Qt::AlignCenter);
        icon->setPixmap(picture(kImageFiles[static_cast<std::size_t>(i)], QSize(48, 48)));
        icon->makeKeyboardReachable(kImageNames[static_cast<std::size_t>(i)]);
        images_[static_cast<std::size_t>(i)] = icon;
        const auto image = static_cast<MainImage>(i);
        connect(icon, &ClickableLabel::clicked, this, [this, image] { logic_.imageClicked(image); });
    }
    for (int l = 0; l < kMainLabelCount; ++l) {
        auto* label = new QLabel(left);
        label->setObjectName(kIconLabelNames[static_cast<std::size_t>(l)]);
        label->setProperty("class", "iconLabel");
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        labels_[static_cast<std::size_t>(l)] = label;
    }
    return left;
}

QWidget* MainWindowView::buildBottom()
{
    auto* bottom = new QWidget(this);
    bottom->setObjectName("bottomPanel");
    bottom->setAttribute(Qt::WA_StyledBackground);
    auto* row = new QHBoxLayout(bottom);
    row->setContentsMargins(12, 4, 12, 4);
    logo_ = new ClickableLabel(bottom);
    logo_->setObjectName("logo");
    logo_->setCursor(Qt::ArrowCursor);
    logo_->setPixmap(picture("logo", QSize(120, 26)));
    row->addWidget(logo_);
    row->addStretch(1);
    connect(logo_, &ClickableLabel::pressed, this, [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
        logic_.logoPressed(button == Qt::RightButton, modifiers.testFlag(Qt::ControlModifier));
    });
    return bottom;
}

void MainWindowView::setPageView(PageId id, PageView* view)
{
    QWidget* host = pageHost(id);
    auto* layout = new QVBoxLayout(host);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    pageViews_[static_cast<std::size_t>(id)] = view;
    view->render();
}

QWidget* MainWindowView::image(MainImage i) const
{
    return images_[static_cast<std::size_t>(i)];
}

QRadioButton* MainWindowView::deviceTypeButton(int type) const
{
    return qobject_cast<QRadioButton*>(deviceTypeGroup_->button(type));
}

QWidget* MainWindowView::logo() const
{
    return logo_;
}

QWidget* MainWindowView::clientArea() const
{
    return clientArea_;
}

void MainWindowView::render()
{
    rendering_ = true;
    applyQtLanguage(logic_.language());
    setWindowTitle(qs(logic_.caption()));
    deviceTypeLabel_->setText(qs(logic_.deviceTypeLabel()));
    for (int t = 0; t < 5; ++t) {
        QAbstractButton* b = deviceTypeGroup_->button(t);
        b->setText(qs(logic_.deviceTypeItems()[static_cast<std::size_t>(t)]));
        b->setChecked(t == logic_.deviceTypeIndex());
    }
    for (int i = 0; i < kMainImageCount; ++i) {
        const MainWindow::ImageState& s = logic_.image(static_cast<MainImage>(i));
        QWidget* w = images_[static_cast<std::size_t>(i)];
        w->setGeometry((kLeftWidth - kIconSize) / 2, s.top, kIconSize, kIconSize);
        w->setVisible(s.visible);
        setStyleFlag(w, "current", s.current);
    }
    for (int l = 0; l < kMainLabelCount; ++l) {
        const MainWindow::LabelState& s = logic_.label(static_cast<MainLabel>(l));
        QLabel* w = labels_[static_cast<std::size_t>(l)];
        w->setText(qs(s.text));
        w->setGeometry(2, s.top, kLeftWidth - 4, 20);
        w->setVisible(s.visible);
    }
    const std::optional<PageId> shown = logic_.shownPage();
    QWidget* current = shown ? pageHost(*shown) : emptyPage_;
    clientArea_->setCurrentWidget(current);
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
bool MainWindowView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        QWidget* focus = QApplication::focusWidget();
        // A key is offered to the focus widget first, then to its parents: take it once.
        const bool first = focus != nullptr ? widget == focus : widget == this;
        if (first && widget->window() == this) {
            const auto* key = static_cast<QKeyEvent*>(event);
            logic_.keyPressed(accessKeyCode(*key), key->modifiers().testFlag(Qt::ShiftModifier));
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindowView::closeEvent(QCloseEvent* event)
{
    LinkActivity& activity = logic_.comm().activity();
    if (!activity.active()) {
        QWidget::closeEvent(event);
        return;
    }
    event->ignore();
    activity.whenIdle(LinkActivity::Key::Close, [this] { close(); });
}
