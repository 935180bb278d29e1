#include "app/AppFrameFactory.h"

#include "app/FormMainF.h"
#include "screens/calibration/FrameTesteCalibracaoF.h"
#include "screens/common/GeneralFrameContext.h"
#include "screens/thermal/FrameConfGeralF.h"
#include "screens/thermal/FrameConfSaidaCorrenteF.h"
#include "screens/thermal/FrameConfSerialF.h"

std::unique_ptr<TFrame> AppFrameFactory::create(FrameId id, TFormMain& main)
{
    const auto select = [&main](int type) { main.selectDeviceType(type); };
    const GeneralFrameContext context{main.settings(),  main.ui(),       services_.pump,
                                      services_.sources, services_.files, select};
    switch (id) {
    case FrameId::ConfGeral:
        return std::make_unique<TFrameConfGeral>(context, services_.thermalUi);
    case FrameId::ConfSerial:
        return std::make_unique<TFrameConfSerial>(main.ui());
    case FrameId::ConfSaidaCorrente:
        return std::make_unique<TFrameConfSaidaCorrente>(main.ui(), [&main] { return main.currentOutputCount(); });
    case FrameId::TesteCalibracao:
        return std::make_unique<TFrameTesteCalibracao>(main.ui());
    default:
        return nullptr;
    }
}
