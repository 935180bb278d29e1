#include "gui/app/PageViews.h"

#include "app/FormMainF.h"
#include "gui/app/FormMainView.h"
#include "gui/screens/regulator/FrameConfConjuntoRegView.h"
#include "gui/screens/regulator/FrameConfGeralRView.h"
#include "gui/screens/regulator/FrameConfQLX700RView.h"
#include "gui/screens/thermal/FrameConfGeralView.h"
#include "gui/screens/thermal/FrameConfSaidaCorrenteView.h"
#include "gui/screens/thermal/FrameConfSerialView.h"
#include "screens/regulator/FrameConfConjuntoRegF.h"
#include "screens/regulator/FrameConfGeral_QLX700RF.h"
#include "screens/regulator/FrameConfQLX700RF.h"
#include "screens/thermal/FrameConfGeralF.h"
#include "screens/thermal/FrameConfSaidaCorrenteF.h"
#include "screens/thermal/FrameConfSerialF.h"

void attachPageViews(TFormMain& logic, FormMainView& window)
{
    if (auto* frame = dynamic_cast<TFrameConfGeral*>(logic.frame(FrameId::ConfGeral)))
        window.setPageView(FrameId::ConfGeral, new FrameConfGeralView(*frame));
    if (auto* frame = dynamic_cast<TFrameConfSerial*>(logic.frame(FrameId::ConfSerial)))
        window.setPageView(FrameId::ConfSerial, new FrameConfSerialView(*frame));
    if (auto* frame = dynamic_cast<TFrameConfSaidaCorrente*>(logic.frame(FrameId::ConfSaidaCorrente)))
        window.setPageView(FrameId::ConfSaidaCorrente, new FrameConfSaidaCorrenteView(*frame));
    if (auto* frame = dynamic_cast<TFrameConfGeral_QLX700R*>(logic.frame(FrameId::ConfGeralR)))
        window.setPageView(FrameId::ConfGeralR, new FrameConfGeralRView(*frame));
    if (auto* frame = dynamic_cast<TFrameConfQLX700R*>(logic.frame(FrameId::ConfQLX700R)))
        window.setPageView(FrameId::ConfQLX700R, new FrameConfQLX700RView(*frame));
    if (auto* frame = dynamic_cast<TFrameConfConjuntoReg*>(logic.frame(FrameId::ConfConjuntoReg)))
        window.setPageView(FrameId::ConfConjuntoReg, new FrameConfConjuntoRegView(*frame));
}
