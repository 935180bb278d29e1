#include "gui/app/PageViews.h"

#include "app/FormMainF.h"
#include "gui/app/FormMainView.h"
#include "gui/screens/thermal/FrameConfGeralView.h"
#include "gui/screens/thermal/FrameConfSaidaCorrenteView.h"
#include "gui/screens/thermal/FrameConfSerialView.h"
#include "gui/screens/thermal/FrameConfSetPointsView.h"
#include "gui/screens/thermal/FrameDownloadView.h"
#include "screens/thermal/FrameConfGeralF.h"
#include "screens/thermal/FrameConfSaidaCorrenteF.h"
#include "screens/thermal/FrameConfSerialF.h"
#include "screens/thermal/FrameConfSetPointsF.h"
#include "screens/thermal/FrameDownloadF.h"

void attachPageViews(TFormMain& logic, FormMainView& window)
{
    if (auto* frame = dynamic_cast<TFrameConfGeral*>(logic.frame(FrameId::ConfGeral)))
        window.setPageView(FrameId::ConfGeral, new FrameConfGeralView(*frame));
    if (auto* frame = dynamic_cast<TFrameConfSerial*>(logic.frame(FrameId::ConfSerial)))
        window.setPageView(FrameId::ConfSerial, new FrameConfSerialView(*frame));
    if (auto* frame = dynamic_cast<TFrameConfSaidaCorrente*>(logic.frame(FrameId::ConfSaidaCorrente)))
        window.setPageView(FrameId::ConfSaidaCorrente, new FrameConfSaidaCorrenteView(*frame));
    if (auto* frame = dynamic_cast<TFrameConfSetPoints*>(logic.frame(FrameId::ConfSetPoints)))
        window.setPageView(FrameId::ConfSetPoints, new FrameConfSetPointsView(*frame));
    if (auto* frame = dynamic_cast<TFrameDownload*>(logic.frame(FrameId::Download)))
        window.setPageView(FrameId::Download, new FrameDownloadView(*frame));
}
