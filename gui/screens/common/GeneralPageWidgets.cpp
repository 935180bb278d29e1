#include "gui/screens/common/GeneralPageWidgets.h"

#include "gui/app/PageView.h"
#include "gui/app/RadioGroupBox.h"
#include "gui/app/WidgetText.h"
#include "gui/screens/common/PanelStyle.h"
#include "screens/common/GeneralPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QLabel* centredPanel(const char* name, QWidget* parent)
{
    QLabel* p = namedPanel(name, parent);
    p->setAlignment(Qt::AlignCenter);
    p->setMinimumHeight(24);
    return p;
}

} // namespace

GeneralPageWidgets::GeneralPageWidgets(GeneralPage& logic, PageView& view, QWidget* parent)
    : QObject(parent)
    , logic_(logic)
    , view_(view)
{
    connectionBox_ = new QGroupBox(parent);
    connectionBox_->setObjectName("connectionBox");
    connectionGrid_ = new QGridLayout(connectionBox_);
    connectSerialButton_ = button("connectSerialButton", connectionBox_, [this] { logic_.connectClicked(false); });
    connectUsbButton_ = button("connectUsbButton", connectionBox_, [this] { logic_.connectClicked(true); });
    connectIpButton_ = button("connectIpButton", connectionBox_, [this] { logic_.connectIpClicked(); });
    serialNumberPanel_ = centredPanel("serialNumberPanel", connectionBox_);
    firmwareVersionPanel_ = centredPanel("firmwareVersionPanel", connectionBox_);
    changePasswordButton_ = button("changePasswordButton", connectionBox_, [this] { logic_.changePasswordClicked(); });
    changeIpButton_ = button("changeIpButton", connectionBox_, [this] { logic_.changeIpClicked(); });
    saveConfigurationButton_ = button("saveConfigurationButton", connectionBox_,
                                      [this] { logic_.saveConfigurationClicked(); });
    loadConfigurationButton_ = button("loadConfigurationButton", connectionBox_,
                                      [this] { logic_.loadConfigurationClicked(); });
    connectionGrid_->addWidget(connectSerialButton_, 0, 0);
    connectionGrid_->addWidget(connectUsbButton_, 0, 1);
    connectionGrid_->addWidget(connectIpButton_, 0, 2);
    connectionGrid_->addWidget(serialNumberPanel_, 1, 0, 1, 3);
    connectionGrid_->addWidget(firmwareVersionPanel_, 2, 0, 1, 3);
    connectionGrid_->addWidget(changePasswordButton_, 3, 0);
    connectionGrid_->addWidget(changeIpButton_, 3, 1);
    connectionGrid_->addWidget(saveConfigurationButton_, 4, 0);
    connectionGrid_->addWidget(loadConfigurationButton_, 4, 1);

    clockBox_ = new QGroupBox(parent);
    clockBox_->setObjectName("clockBox");
    auto* column = new QVBoxLayout(clockBox_);
    clockPanel_ = centredPanel("clockPanel", clockBox_);
    clockPanel_->setMinimumHeight(36);
    QFont font = clockPanel_->font();
    font.setPointSizeF(font.pointSizeF() * 1.3);
    font.setBold(true);
    clockPanel_->setFont(font);
    noAnswerLabel_ = new QLabel(clockBox_);
    noAnswerLabel_->setObjectName("noAnswerLabel");
    noAnswerLabel_->setAlignment(Qt::AlignCenter);
    noAnswerLabel_->setStyleSheet("color: #B00000; font-weight: bold;");
    adjustClockFromPcButton_ = button("adjustClockFromPcButton", clockBox_,
                                      [this] { logic_.adjustClockFromPcClicked(); });
    adjustClockManuallyButton_ = button("adjustClockManuallyButton", clockBox_, [this] { logic_.adjustClockManuallyClicked(); });
    column->addWidget(clockPanel_);
    column->addWidget(noAnswerLabel_);
    column->addWidget(adjustClockFromPcButton_);
    column->addWidget(adjustClockManuallyButton_);
    column->addStretch(1);

    refreshTimer_ = new QTimer(this);
    refreshTimer_->setObjectName("refreshTimer");
    refreshTimer_->setInterval(kTimerMs);
    connect(refreshTimer_, &QTimer::timeout, this, [this] {
        if (logic_.timerEnabled())
            handle([this] { logic_.tick(); });
    });
    refreshTimer_->start();
}

void GeneralPageWidgets::handle(const std::function<void()>& f)
{
    f();
    view_.render();
}

QPushButton* GeneralPageWidgets::button(const char* name, QWidget* parent, std::function<void()> click)
{
    auto* b = new QPushButton(parent);
    b->setObjectName(name);
    connect(b, &QPushButton::clicked, this, [this, click = std::move(click)] { handle(click); });
    return b;
}

RadioGroupBox* GeneralPageWidgets::radioGroup(const char* name, int items, int columns, QWidget* parent,
                                              std::function<void(int)> chosen)
{
    auto* group = new RadioGroupBox(name, items, columns, parent);
    connect(group, &RadioGroupBox::clicked, this,
            [this, chosen = std::move(chosen)](int index) { handle([&] { chosen(index); }); });
    return group;
}

bool GeneralPageWidgets::stale() const
{
    return logic_.general().stale;
}

void GeneralPageWidgets::render()
{
    const GeneralPageCaptions& c = logic_.generalCaptions();
    const GeneralPageState& s = logic_.general();
    connectSerialButton_->setText(qs(c.connectSerialButton));
    connectSerialButton_->setVisible(s.connectSerialButtonVisible);
    connectUsbButton_->setText(qs(c.connectUsbButton));
    connectIpButton_->setText(qs(c.connectIpButton));
    connectUsbButton_->setEnabled(s.connectUsbButtonEnabled);
    connectIpButton_->setEnabled(s.connectIpButtonEnabled);
    adjustClockFromPcButton_->setText(qs(c.adjustClockFromPcButton));
    adjustClockManuallyButton_->setText(qs(c.adjustClockManuallyButton));
    changePasswordButton_->setText(qs(c.changePasswordButton));
    changeIpButton_->setText(qs(c.changeIpButton));
    saveConfigurationButton_->setText(qs(c.saveConfigurationButton));
    loadConfigurationButton_->setText(qs(c.loadConfigurationButton));
    setPanel(serialNumberPanel_, s.serialNumberPanel);
    setPanel(firmwareVersionPanel_, s.firmwareVersionPanel);
    clockPanel_->setText(qs(s.clockText));
    clockPanel_->setEnabled(!s.stale);
    noAnswerLabel_->setText(qs(s.staleMarker));
    noAnswerLabel_->setVisible(s.stale);
}

QHBoxLayout* GeneralPageWidgets::topRow() const
{
    auto* top = new QHBoxLayout;
    top->addWidget(connectionBox_);
    top->addWidget(clockBox_, 1);
    return top;
}

void showChoices(RadioGroupBox* group, const std::string& title, std::span<const std::string> items, int chosen)
{
    group->setTexts(title, {items.begin(), items.end()});
    group->select(chosen);
}
