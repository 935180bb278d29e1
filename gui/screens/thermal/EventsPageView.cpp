#include "gui/screens/thermal/EventsPageView.h"

#include "gui/app/ApplyEdit.h"
#include "gui/app/WidgetText.h"
#include "screens/thermal/EventsPage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// The row captions' column, then maximum, time stamp, date and time.
constexpr int kMaximaColumnWidths[] = {70, 90, 130, 190};
} // namespace

EventsPageView::EventsPageView(EventsPage& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("EventsPageView");
    QVBoxLayout* layout = addBackground();
    QWidget* backgroundPanel = background();

    maximaGrid_ = new QTableWidget(9, 3, backgroundPanel);
    maximaGrid_->setObjectName("maximaGrid");
    maximaGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    maximaGrid_->setSelectionMode(QAbstractItemView::NoSelection);
    maximaGrid_->setWordWrap(false);
    maximaGrid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    maximaGrid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    maximaGrid_->verticalHeader()->setMinimumWidth(kMaximaColumnWidths[0]);
    maximaGrid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int c = 0; c < 3; ++c)
        maximaGrid_->setColumnWidth(c, kMaximaColumnWidths[c + 1]);
    // Values in the middle of their rows, level with the row labels.
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 3; ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            maximaGrid_->setItem(r, c, item);
        }
    auto* gridRow = new QHBoxLayout;
    gridRow->addWidget(maximaGrid_);
    gridRow->addStretch(1);
    layout->addLayout(gridRow);

    auto* resetRow = new QHBoxLayout;
    resetMaximaButton_ = button("resetMaximaButton", [this] { logic_.resetMaximaClicked(); });
    resetRow->addWidget(resetMaximaButton_);
    resetRow->addStretch(1);
    layout->addLayout(resetRow);
    layout->addSpacing(16);

    eventCountPanel_ = new QLabel(backgroundPanel);
    eventCountPanel_->setObjectName("eventCountPanel");
    eventCountPanel_->setStyleSheet("border: 1px solid #a0a0a0; padding: 4px;");
    eventCountPanel_->setMinimumWidth(260);
    auto* count = new QHBoxLayout;
    count->addWidget(eventCountPanel_);
    count->addStretch(1);
    layout->addLayout(count);

    auto* interval = new QHBoxLayout;
    eventIntervalEdit_ = new ApplyEdit("eventIntervalEdit", backgroundPanel);
    eventIntervalEdit_->setMaximumWidth(60);
    eventIntervalLabel_ = new QLabel(backgroundPanel);
    eventIntervalLabel_->setObjectName("eventIntervalLabel");
    eventIntervalLabel_->setBuddy(eventIntervalEdit_);
    connect(eventIntervalEdit_, &QLineEdit::textEdited, this,
            [this](const QString& text) { logic_.setEventInterval(text.toStdString()); });
    connect(eventIntervalEdit_, &ApplyEdit::focusChanged, this,
            [this](bool in) { logic_.setEventIntervalFocused(in); });
    connect(eventIntervalEdit_, &ApplyEdit::applied, this, [this] { handle([&] { logic_.eventIntervalLeft(); }); });
    interval->addWidget(eventIntervalEdit_);
    interval->addWidget(eventIntervalLabel_);
    interval->addStretch(1);
    layout->addLayout(interval);

    auto* buttons = new QHBoxLayout;
    downloadEventsButton_ = button("downloadEventsButton", [this] { logic_.downloadEventsClicked(); });
    eraseEventsButton_ = button("eraseEventsButton", [this] { logic_.eraseEventsClicked(); });
    buttons->addWidget(downloadEventsButton_);
    buttons->addWidget(eraseEventsButton_);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    layout->addStretch(1);

    refreshTimer_ = new QTimer(this);
    refreshTimer_->setObjectName("refreshTimer");
    refreshTimer_->setInterval(kTimerMs);
    connect(refreshTimer_, &QTimer::timeout, this, [this] {
        // A download or an erase runs its own waits; the next tick redraws after it.
        if (logic_.timerEnabled() && !logic_.busy())
            handle([&] { logic_.tick(); });
    });
    refreshTimer_->start();
    render();
}

// The interval edit loses the focus while the page is destroyed: that must not
// reach the logic through a page that is no longer whole.
EventsPageView::~EventsPageView() { eventIntervalEdit_->disconnect(this); }

template <typename F>
void EventsPageView::handle(F&& f)
{
    f();
    render();
}

QPushButton* EventsPageView::button(const char* name, std::function<void()> click)
{
    auto* b = new QPushButton(background());
    b->setObjectName(name);
    connect(b, &QPushButton::clicked, this, [this, click = std::move(click)] { handle(click); });
    return b;
}

void EventsPageView::render()
{
    const EventsPageCaptions& c = logic_.captions();
    const EventsPageState& s = logic_.state();
    QStringList header;
    for (const std::string& h : c.header)
        header << qs(h);
    maximaGrid_->setHorizontalHeaderLabels(header);
    // A caption keeps a margin inside its column in every language.
    const QFontMetrics headerMetrics = maximaGrid_->horizontalHeader()->fontMetrics();
    for (int col = 0; col < 3; ++col)
        maximaGrid_->setColumnWidth(
            col, std::max(kMaximaColumnWidths[col + 1], headerMetrics.horizontalAdvance(header[col]) + 20));
    QStringList rows;
    for (const std::string& r : c.rows)
        rows << qs(r);
    maximaGrid_->setVerticalHeaderLabels(rows);
    // The whole grid shows at once: no scrolling for nine rows.
    const int frame = 2 * maximaGrid_->frameWidth();
    maximaGrid_->setFixedSize(
        maximaGrid_->verticalHeader()->sizeHint().width() + maximaGrid_->horizontalHeader()->length() + frame,
        maximaGrid_->horizontalHeader()->sizeHint().height() + maximaGrid_->verticalHeader()->length() + frame);
    for (int r = 0; r < 9; ++r)
        for (int col = 0; col < 3; ++col)
            maximaGrid_->item(r, col)->setText(qs(s.maxima[static_cast<std::size_t>(r)][static_cast<std::size_t>(col)]));
    eventCountPanel_->setText(qs(s.eventCountText));
    eventIntervalLabel_->setText(qs(c.eventIntervalLabel));
    if (!eventIntervalEdit_->hasFocus())
        setEditText(eventIntervalEdit_, s.eventInterval);
    downloadEventsButton_->setText(qs(c.downloadEventsButton));
    eraseEventsButton_->setText(qs(c.eraseEventsButton));
    resetMaximaButton_->setText(qs(c.resetMaximaButton));
}
