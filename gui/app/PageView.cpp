#include "gui/app/PageView.h"

#include <QVBoxLayout>

QVBoxLayout* PageView::addBackground()
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    backgroundPanel_ = new QWidget(this);
    backgroundPanel_->setObjectName("backgroundPanel");
    backgroundPanel_->setFocusPolicy(Qt::ClickFocus);
    outer->addWidget(backgroundPanel_);
    auto* column = new QVBoxLayout(backgroundPanel_);
    column->setContentsMargins(12, 10, 12, 10);
    column->setSpacing(8);
    return column;
}
