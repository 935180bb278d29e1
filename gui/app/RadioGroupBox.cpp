#include "gui/app/RadioGroupBox.h"

#include "gui/app/WidgetText.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

RadioGroupBox::RadioGroupBox(const char* name, int items, int columns, QWidget* parent)
    : QGroupBox(parent)
    , group_(new QButtonGroup(this))
{
    setObjectName(name);
    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(2);
    const int rows = (items + columns - 1) / columns;
    for (int i = 0; i < items; ++i) {
        auto* radio = new QRadioButton(this);
        radio->setObjectName(QString("%1%2").arg(name).arg(i));
        group_->addButton(radio, i);
        // Items run down the columns, as in a radio group of several columns.
        grid->addWidget(radio, i % rows, i / rows);
    }
    connect(group_, &QButtonGroup::idClicked, this, &RadioGroupBox::clicked);
}

void RadioGroupBox::setTexts(const std::string& title, const std::vector<std::string>& items)
{
    setTitle(qs(title));
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
        if (QAbstractButton* b = group_->button(i))
            b->setText(qs(items[static_cast<std::size_t>(i)]));
    }
}

void RadioGroupBox::select(int index)
{
    if (QAbstractButton* b = group_->button(index)) {
        b->setChecked(true);
        return;
    }
    // An exclusive group cannot uncheck its checked button.
    group_->setExclusive(false);
    for (QAbstractButton* b : group_->buttons())
        b->setChecked(false);
    group_->setExclusive(true);
}

int RadioGroupBox::selected() const
{
    return group_->checkedId();
}

QRadioButton* RadioGroupBox::item(int index) const
{
    return qobject_cast<QRadioButton*>(group_->button(index));
}
