#include "gui/screens/thermal/FrameDownloadView.h"

#include "gui/app/ApplyEdit.h"
#include "gui/app/WidgetText.h"
#include "screens/thermal/FrameDownloadF.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {
// The row captions' column, then maximum, time stamp, date and time.
constexpr int kColumnWidths[] = {70, 90, 130, 190};
} // namespace

FrameDownloadView::FrameDownloadView(TFrameDownload& logic, QWidget* parent)
    : PageView(parent)
    , logic_(logic)
{
    setObjectName("FrameDownloadView");
    QVBoxLayout* layout = addBackground();
    QWidget* pnBack = background();

    sgMaximos_ = new QTableWidget(9, 3, pnBack);
    sgMaximos_->setObjectName("sgMaximos");
    sgMaximos_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgMaximos_->setSelectionMode(QAbstractItemView::NoSelection);
    sgMaximos_->setWordWrap(false);
    sgMaximos_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sgMaximos_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sgMaximos_->verticalHeader()->setMinimumWidth(kColumnWidths[0]);
    sgMaximos_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int c = 0; c < 3; ++c)
        sgMaximos_->setColumnWidth(c, kColumnWidths[c + 1]);
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 3; ++c)
            sgMaximos_->setItem(r, c, new QTableWidgetItem);
    auto* gridRow = new QHBoxLayout;
    gridRow->addWidget(sgMaximos_);
    gridRow->addStretch(1);
    layout->addLayout(gridRow);

    auto* zerar = new QHBoxLayout;
    bbZerarMaximos_ = button("bbZerarMaximos", [this] { logic_.bbZerarMaximosClick(); });
    zerar->addWidget(bbZerarMaximos_);
    zerar->addStretch(1);
    layout->addLayout(zerar);
    layout->addSpacing(16);

    pnNumEventos_ = new QLabel(pnBack);
    pnNumEventos_->setObjectName("pnNumEventos");
    pnNumEventos_->setStyleSheet("border: 1px solid #a0a0a0; padding: 4px;");
    pnNumEventos_->setMinimumWidth(260);
    auto* count = new QHBoxLayout;
    count->addWidget(pnNumEventos_);
    count->addStretch(1);
    layout->addLayout(count);

    auto* interval = new QHBoxLayout;
    edTimerEventos_ = new ApplyEdit("edTimerEventos", pnBack);
    edTimerEventos_->setMaximumWidth(60);
    lblTimerEventos_ = new QLabel(pnBack);
    lblTimerEventos_->setObjectName("lblTimerEventos");
    lblTimerEventos_->setBuddy(edTimerEventos_);
    connect(edTimerEventos_, &QLineEdit::textEdited, this,
            [this](const QString& text) { logic_.setEdTimerEventos(text.toStdString()); });
    connect(edTimerEventos_, &ApplyEdit::focusChanged, this, [this](bool in) { logic_.setTimerEventosFocused(in); });
    connect(edTimerEventos_, &ApplyEdit::applied, this, [this] { handle([&] { logic_.edTimerEventosExit(); }); });
    interval->addWidget(edTimerEventos_);
    interval->addWidget(lblTimerEventos_);
    interval->addStretch(1);
    layout->addLayout(interval);

    auto* buttons = new QHBoxLayout;
    bbBaixarEventos_ = button("bbBaixarEventos", [this] { logic_.bbBaixarEventosClick(); });
    bbApagarEventos_ = button("bbApagarEventos", [this] { logic_.bbApagarEventosClick(); });
    buttons->addWidget(bbBaixarEventos_);
    buttons->addWidget(bbApagarEventos_);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    layout->addStretch(1);

    timerUpdate_ = new QTimer(this);
    timerUpdate_->setObjectName("timerUpdate");
    timerUpdate_->setInterval(kTimerMs);
    connect(timerUpdate_, &QTimer::timeout, this, [this] {
        // A download or an erase runs its own waits; the next tick redraws after it.
        if (logic_.timerEnabled() && !logic_.busy())
            handle([&] { logic_.timerUpdateTimer(); });
    });
    timerUpdate_->start();
    render();
}

// The interval edit loses the focus while the page is destroyed: that must not
// reach the logic through a page that is no longer whole.
FrameDownloadView::~FrameDownloadView() { edTimerEventos_->disconnect(this); }

template <typename F>
void FrameDownloadView::handle(F&& f)
{
    f();
    render();
}

QPushButton* FrameDownloadView::button(const char* name, std::function<void()> click)
{
    auto* b = new QPushButton(background());
    b->setObjectName(name);
    connect(b, &QPushButton::clicked, this, [this, click = std::move(click)] { handle(click); });
    return b;
}

void FrameDownloadView::render()
{
    const FrameDownloadCaptions& c = logic_.captions();
    const FrameDownloadState& s = logic_.state();
    QStringList header;
    for (const std::string& h : c.header)
        header << qs(h);
    sgMaximos_->setHorizontalHeaderLabels(header);
    QStringList rows;
    for (const std::string& r : c.rows)
        rows << qs(r);
    sgMaximos_->setVerticalHeaderLabels(rows);
    // The whole grid shows at once: no scrolling for nine rows.
    const int frame = 2 * sgMaximos_->frameWidth();
    sgMaximos_->setFixedSize(sgMaximos_->verticalHeader()->sizeHint().width() + sgMaximos_->horizontalHeader()->length() + frame,
                             sgMaximos_->horizontalHeader()->sizeHint().height() + sgMaximos_->verticalHeader()->length() + frame);
    for (int r = 0; r < 9; ++r)
        for (int col = 0; col < 3; ++col)
            sgMaximos_->item(r, col)->setText(qs(s.maximos[static_cast<std::size_t>(r)][static_cast<std::size_t>(col)]));
    pnNumEventos_->setText(qs(s.pnNumEventos));
    lblTimerEventos_->setText(qs(c.lblTimerEventos));
    if (!edTimerEventos_->hasFocus())
        setEditText(edTimerEventos_, s.edTimerEventos);
    bbBaixarEventos_->setText(qs(c.bbBaixarEventos));
    bbApagarEventos_->setText(qs(c.bbApagarEventos));
    bbZerarMaximos_->setText(qs(c.bbZerarMaximos));
}
