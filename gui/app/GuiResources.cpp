#include "gui/app/GuiResources.h"

#include <QApplication>
#include <QFile>
#include <QtGlobal>

void initGuiResources()
{
    Q_INIT_RESOURCE(qlx700);
}

void applyAppStyleSheet()
{
    initGuiResources();
    QFile style(":/qlx700.qss");
    if (style.open(QIODevice::ReadOnly))
        qApp->setStyleSheet(QString::fromUtf8(style.readAll()));
}
