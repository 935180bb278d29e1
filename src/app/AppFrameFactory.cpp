#include "app/AppFrameFactory.h"

#include "app/FormMainF.h"
#include "screens/common/GeneralFrameContext.h"
#include "screens/thermal/FrameConfGeralF.h"

std::unique_ptr<TFrame> AppFrameFactory::create(FrameId id, TFormMain& main)
{
    const auto select = [&main](int type) { main.selectDeviceType(type); };
    const GeneralFrameContext context{main.settings(),  main.ui(),       services_.pump,
                                      services_.sources, services_.files, select};
    switch (id) {
    case FrameId::ConfGeral:
        return std::make_unique<TFrameConfGeral>(context, services_.thermalUi);
    default:
        return nullptr;
    }
}
