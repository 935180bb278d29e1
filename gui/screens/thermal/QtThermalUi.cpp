#include "gui/screens/thermal/QtThermalUi.h"

#include "gui/screens/thermal/FormDetectFalhaParamView.h"
#include "screens/thermal/FormDetectFalhaParamF.h"

QtThermalUi::QtThermalUi(QWidget* anchor)
    : anchor_(anchor)
{
}

void QtThermalUi::exec(TFormDetectFalhaParam& form)
{
    FormDetectFalhaParamView view(form, anchor_);
    view.execAt(anchor_);
}
