#include "gui/app/PageViews.h"

#include "app/FormMainF.h"
#include "gui/app/FormMainView.h"
#include "gui/screens/calibration/FrameTesteCalibracaoView.h"
#include "gui/screens/thermal/FrameConfGeralView.h"
#include "gui/screens/thermal/FrameConfSaidaCorrenteView.h"
#include "gui/screens/thermal/FrameConfSerialView.h"
#include "screens/calibration/FrameTesteCalibracaoF.h"
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
    if (auto* frame = dynamic_cast<TFrameTesteCalibracao*>(logic.frame(FrameId::TesteCalibracao)))
        window.setPageView(FrameId::TesteCalibracao, new FrameTesteCalibracaoView(*frame));
}
