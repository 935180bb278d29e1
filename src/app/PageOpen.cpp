#include "app/PageOpen.h"

#include "app/FormMainF.h"
#include "app/PageTable.h"
#include "screens/common/GeneralFrameF.h"

namespace {

constexpr int kModbusAddress = 1;

// The page number of the main window that shows a frame.
int pageOf(FrameId frame)
{
    switch (frame) {
    case FrameId::ConfGeral:
    case FrameId::ConfGeralP:
    case FrameId::ConfGeralR:
    case FrameId::ConfGeralIRR:
    case FrameId::ConfGeralC:
        return 0;
    case FrameId::ConfSetPoints:
        return 1;
    case FrameId::ConfSerial:
        return 2;
    case FrameId::ConfSaidaCorrente:
        return 3;
    case FrameId::Download:
    case FrameId::IrrRegistros:
        return 4;
    case FrameId::TesteCalibracao:
        return 5;
    case FrameId::ConfParalelismo:
        return 6;
    case FrameId::ConfQLX700R:
    case FrameId::ConfQLX700IRR:
    case FrameId::ConfQLX700C:
        return 7;
    case FrameId::ConfConjuntoReg:
        return 8;
    }
    return 0;
}

} // namespace

bool openPage(TFormMain& main, const PageRow& row, const std::string& port, const std::function<void()>& shown)
{
    main.selectDeviceType(row.deviceType);
    const std::optional<FrameId> general = main.shownFrame();
    auto* frame = general ? dynamic_cast<TGeneralFrame*>(main.frame(*general)) : nullptr;
    if (frame == nullptr || !frame->ConectarSerial(port, kModbusAddress, false, SerialLinkSettings{}))
        return false;
    if (row.frame != *general)
        main.ShowPage(pageOf(row.frame));
    if (main.shownFrame() != row.frame || main.frame(row.frame) == nullptr)
        return false;
    if (shown)
        shown();
    if (row.openWindow != nullptr)
        row.openWindow(main);
    return true;
}
