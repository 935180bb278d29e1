#include "gui/app/PageViews.h"

#include "app/FormMainF.h"
#include "gui/app/FormMainView.h"
#include "gui/screens/irrigation/FrameConfGeral_QLX700IRRView.h"
#include "gui/screens/irrigation/Frame_QLX700IRR_RegistrosView.h"
#include "gui/screens/irrigation/FrameConfQLX700IRRView.h"
#include "gui/screens/parallelism/FrameConfGeral_QLX700PView.h"
#include "gui/screens/parallelism/FrameConfParalelismoView.h"
#include "gui/screens/position/FrameConfGeral_QLX700CView.h"
#include "gui/screens/position/FrameConfQLX700CView.h"
#include "gui/screens/regulator/FrameConfConjuntoRegView.h"
#include "gui/screens/regulator/FrameConfGeralRView.h"
#include "gui/screens/regulator/FrameConfQLX700RView.h"
#include "gui/screens/thermal/FrameConfGeralView.h"
#include "gui/screens/thermal/FrameConfSaidaCorrenteView.h"
#include "gui/screens/thermal/FrameConfSerialView.h"
#include "gui/screens/thermal/FrameConfSetPointsView.h"
#include "gui/screens/thermal/FrameDownloadView.h"
#include "screens/irrigation/FrameConfGeral_QLX700IRRF.h"
#include "screens/irrigation/Frame_QLX700IRR_RegistrosF.h"
#include "screens/irrigation/FrameConfQLX700IRRF.h"
#include "screens/parallelism/FrameConfGeral_QLX700PF.h"
#include "screens/parallelism/FrameConfParalelismoF.h"
#include "screens/position/FrameConfGeral_QLX700CF.h"
#include "screens/position/FrameConfQLX700CF.h"
#include "screens/regulator/FrameConfConjuntoRegF.h"
#include "screens/regulator/FrameConfGeral_QLX700RF.h"
#include "screens/regulator/FrameConfQLX700RF.h"
#include "gui/screens/calibration/FrameTesteCalibracaoView.h"
#include "screens/calibration/FrameTesteCalibracaoF.h"
#include "screens/thermal/FrameConfGeralF.h"
#include "screens/thermal/FrameConfSaidaCorrenteF.h"
#include "screens/thermal/FrameConfSerialF.h"
#include "screens/thermal/FrameConfSetPointsF.h"
#include "screens/thermal/FrameDownloadF.h"

void attachPageViews(TFormMain& logic, FormMainView& window)
{
    if (auto* frame = dynamic_cast<TFrameConfGeral*>(logic.frame(FrameId::ConfGeral)))
        window.setPageView(FrameId::ConfGeral, new FrameConfGeralView(*frame));
    if (auto* frame = dynamic_cast<TFrameConfGeral_QLX700P*>(logic.frame(FrameId::ConfGeralP)))
        window.setPageView(FrameId::ConfGeralP, new FrameConfGeral_QLX700PView(*frame));
    if (auto* frame = dynamic_cast<TFrameConfParalelismo*>(logic.frame(FrameId::ConfParalelismo)))
        window.setPageView(FrameId::ConfParalelismo, new FrameConfParalelismoView(*frame));
    if (auto* frame = dynamic_cast<TFrameConfGeral_QLX700C*>(logic.frame(FrameId::ConfGeralC)))
        window.setPageView(FrameId::ConfGeralC, new FrameConfGeral_QLX700CView(*frame));
    if (auto* frame = dynamic_cast<TFrameConfQLX700C*>(logic.frame(FrameId::ConfQLX700C)))
        window.setPageView(FrameId::ConfQLX700C, new FrameConfQLX700CView(*frame));
    if (auto* frame = dynamic_cast<TFrameConfSerial*>(logic.frame(FrameId::ConfSerial)))
        window.setPageView(FrameId::ConfSerial, new FrameConfSerialView(*frame));
    if (auto* frame = dynamic_cast<TFrameConfSaidaCorrente*>(logic.frame(FrameId::ConfSaidaCorrente)))
        window.setPageView(FrameId::ConfSaidaCorrente, new FrameConfSaidaCorrenteView(*frame));
    if (auto* frame = dynamic_cast<TFrameConfSetPoints*>(logic.frame(FrameId::ConfSetPoints)))
        window.setPageView(FrameId::ConfSetPoints, new FrameConfSetPointsView(*frame));
    if (auto* frame = dynamic_cast<TFrameDownload*>(logic.frame(FrameId::Download)))
        window.setPageView(FrameId::Download, new FrameDownloadView(*frame));
    if (auto* frame = dynamic_cast<TFrameConfGeral_QLX700R*>(logic.frame(FrameId::ConfGeralR)))
        window.setPageView(FrameId::ConfGeralR, new FrameConfGeralRView(*frame));
    if (auto* frame = dynamic_cast<TFrameConfQLX700R*>(logic.frame(FrameId::ConfQLX700R)))
        window.setPageView(FrameId::ConfQLX700R, new FrameConfQLX700RView(*frame));
    if (auto* frame = dynamic_cast<TFrameConfConjuntoReg*>(logic.frame(FrameId::ConfConjuntoReg)))
        window.setPageView(FrameId::ConfConjuntoReg, new FrameConfConjuntoRegView(*frame));
    if (auto* frame = dynamic_cast<TFrameConfGeral_QLX700IRR*>(logic.frame(FrameId::ConfGeralIRR)))
        window.setPageView(FrameId::ConfGeralIRR, new FrameConfGeral_QLX700IRRView(*frame));
    if (auto* frame = dynamic_cast<TFrame_QLX700IRR_Registros*>(logic.frame(FrameId::IrrRegistros)))
        window.setPageView(FrameId::IrrRegistros, new Frame_QLX700IRR_RegistrosView(*frame));
    if (auto* frame = dynamic_cast<TFrameConfQLX700IRR*>(logic.frame(FrameId::ConfQLX700IRR)))
        window.setPageView(FrameId::ConfQLX700IRR, new FrameConfQLX700IRRView(*frame));
    if (auto* frame = dynamic_cast<TFrameTesteCalibracao*>(logic.frame(FrameId::TesteCalibracao)))
        window.setPageView(FrameId::TesteCalibracao, new FrameTesteCalibracaoView(*frame));
}
