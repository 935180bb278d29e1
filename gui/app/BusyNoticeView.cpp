#include "gui/app/BusyNoticeView.h"

#include "app/BusyNotice.h"
#include "gui/app/WidgetText.h"

#include <QLabel>
#include <QVBoxLayout>

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
    messagePanel_->setText(qs(logic_.message()));
    setFixedSize(logic_.width(), 90);
    repaint();
}

QString BusyNoticeView::message() const
{
    return messagePanel_->text();
}
