#include "gui/app/BusyNoticeView.h"

#include "app/BusyNotice.h"
#include "gui/app/WidgetText.h"

#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

BusyNoticeView::BusyNoticeView(const BusyNotice& logic, QWidget* anchor)
    : QWidget(anchor, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , logic_(logic)
    , messagePanel_(new QLabel(this))
{
    setObjectName("BusyNotice");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    messagePanel_->setObjectName("messagePanel");
    messagePanel_->setAlignment(Qt::AlignCenter);
    messagePanel_->setWordWrap(true);
    messagePanel_->setStyleSheet("QLabel { background: #c0c0c0; color: #008000; font-weight: bold; font-size: 16pt;"
                                 " border: 1px solid #808080; padding: 12px; }");
    layout->addWidget(messagePanel_);
    if (anchor != nullptr)
        move(anchor->mapToGlobal(QPoint(BusyNotice::kOffsetX, BusyNotice::kOffsetY)));
    render();
}

void BusyNoticeView::render()
{
    const QString text = qs(logic_.message());
    messagePanel_->setText(text);
    // A line that outgrows the notice's width widens it rather than breaking before
    // its last word (a progress figure and its "%").
    messagePanel_->ensurePolished();
    int widest = 0;
    for (const QString& line : text.split('\n'))
        widest = std::max(widest, messagePanel_->fontMetrics().horizontalAdvance(line));
    constexpr int kPaddingAndBorder = 2 * (12 + 1) + 8;
    setFixedSize(std::max(logic_.width(), widest + kPaddingAndBorder), 90);
    repaint();
}

QString BusyNoticeView::message() const
{
    return messagePanel_->text();
}
