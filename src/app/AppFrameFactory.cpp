#include "app/AppFrameFactory.h"

#include "app/FormMainF.h"
#include "screens/calibration/FrameTesteCalibracaoF.h"
#include "screens/common/GeneralFrameContext.h"
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
#include "screens/thermal/FrameConfGeralF.h"
#include "screens/thermal/FrameConfSaidaCorrenteF.h"
#include "screens/thermal/FrameConfSerialF.h"
#include "screens/thermal/FrameConfSetPointsF.h"
#include "screens/thermal/FrameDownloadF.h"

std::unique_ptr<TFrame> AppFrameFactory::create(FrameId id, TFormMain& main)
{
    const auto select = [&main](int type) { main.selectDeviceType(type); };
    const GeneralFrameContext context{main.settings(),  main.ui(),       services_.pump,
                                      services_.sources, services_.files, select};
    switch (id) {
    case FrameId::ConfGeral:
        return std::make_unique<TFrameConfGeral>(context);
    case FrameId::ConfGeralP:
        return std::make_unique<TFrameConfGeral_QLX700P>(context);
    case FrameId::ConfParalelismo:
        return std::make_unique<TFrameConfParalelismo>(main.ui(), services_.pump);
    case FrameId::ConfGeralC:
        return std::make_unique<TFrameConfGeral_QLX700C>(context, [&main] { main.showCurrentOutputEntry(); });
    case FrameId::ConfQLX700C:
        return std::make_unique<TFrameConfQLX700C>(main.ui(), services_.pump);
    case FrameId::ConfGeralR:
        return std::make_unique<TFrameConfGeral_QLX700R>(context, [&main](int n) { main.setCurrentOutputCount(n); });
    case FrameId::ConfQLX700R:
        return std::make_unique<TFrameConfQLX700R>(main.ui(), services_.pump);
    case FrameId::ConfConjuntoReg:
        return std::make_unique<TFrameConfConjuntoReg>(main.ui(), services_.pump);
    case FrameId::ConfSerial:
        return std::make_unique<TFrameConfSerial>(main.ui());
    case FrameId::ConfSaidaCorrente:
        return std::make_unique<TFrameConfSaidaCorrente>(main.ui(), [&main] { return main.currentOutputCount(); });
    case FrameId::ConfSetPoints:
        return std::make_unique<TFrameConfSetPoints>(main.ui());
    case FrameId::Download:
        return std::make_unique<TFrameDownload>(main.ui(), services_.files, main.settings(), services_.pump);
    case FrameId::ConfGeralIRR:
        return std::make_unique<TFrameConfGeral_QLX700IRR>(context);
    case FrameId::IrrRegistros:
        return std::make_unique<TFrame_QLX700IRR_Registros>(main.ui(), services_.files, main.settings(), services_.pump);
    case FrameId::ConfQLX700IRR:
        return std::make_unique<TFrameConfQLX700IRR>(main.ui(), services_.pump);
    case FrameId::TesteCalibracao:
        return std::make_unique<TFrameTesteCalibracao>(main.ui());
    default:
        return nullptr;
    }
}
