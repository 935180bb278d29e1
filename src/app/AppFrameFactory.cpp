#include "app/AppFrameFactory.h"

#include "app/FormMainF.h"
#include "screens/common/GeneralFrameContext.h"
#include "screens/regulator/FrameConfConjuntoRegF.h"
#include "screens/regulator/FrameConfGeral_QLX700RF.h"
#include "screens/regulator/FrameConfQLX700RF.h"
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
    default:
        return nullptr;
    }
}
