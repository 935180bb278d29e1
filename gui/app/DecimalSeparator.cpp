#include "gui/app/DecimalSeparator.h"

#include <QLocale>

char systemDecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    const char c = point.size() == 1 ? point.at(0).toLatin1() : '\0';
    return c == '\0' ? '.' : c;
}
