#include "gui/app/GuiResources.h"

#include <QtGlobal>

void initGuiResources()
{
    Q_INIT_RESOURCE(qlx700);
}
