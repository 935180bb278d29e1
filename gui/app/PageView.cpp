#include "gui/app/PageView.h"

#include <QVBoxLayout>

QVBoxLayout* PageView::addBackground()
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    pnBack_ = new QWidget(this);
    pnBack_->setObjectName("pnBack");
    pnBack_->setFocusPolicy(Qt::ClickFocus);
    outer->addWidget(pnBack_);
    auto* column = new QVBoxLayout(pnBack_);
    column->setContentsMargins(12, 10, 12, 10);
    column->setSpacing(8);
    return column;
}
