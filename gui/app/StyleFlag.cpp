#include "gui/app/StyleFlag.h"

#include <QStyle>
#include <QVariant>
#include <QWidget>

void setStyleFlag(QWidget* widget, const char* name, bool on)
{
    if (widget->property(name).toBool() == on)
        return;
    widget->setProperty(name, on);
    // A style sheet reads properties when it polishes a widget, not when they change.
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    widget->update();
}
