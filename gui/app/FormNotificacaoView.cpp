#include "gui/app/FormNotificacaoView.h"

#include "app/FormNotificacaoF.h"
#include "gui/app/WidgetText.h"

#include <QLabel>
#include <QVBoxLayout>

FormNotificacaoView::FormNotificacaoView(const TFormNotificacao& logic, QWidget* anchor)
    : QWidget(anchor, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , logic_(logic)
    , pnMensagem_(new QLabel(this))
{
    setObjectName("FormNotificacao");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    pnMensagem_->setObjectName("pnMensagem");
    pnMensagem_->setAlignment(Qt::AlignCenter);
    pnMensagem_->setWordWrap(true);
    pnMensagem_->setStyleSheet("QLabel { background: #c0c0c0; color: #008000; font-weight: bold; font-size: 16pt;"
                               " border: 1px solid #808080; padding: 12px; }");
    layout->addWidget(pnMensagem_);
    if (anchor != nullptr)
        move(anchor->mapToGlobal(QPoint(TFormNotificacao::kOffsetX, TFormNotificacao::kOffsetY)));
    render();
}

void FormNotificacaoView::render()
{
    pnMensagem_->setText(qs(logic_.mensagem()));
    setFixedSize(logic_.width(), 90);
    repaint();
}

QString FormNotificacaoView::message() const
{
    return pnMensagem_->text();
}
