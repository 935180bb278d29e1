#include "app/PageOpen.h"

#include "app/MainWindow.h"
#include "app/PageTable.h"
#include "screens/common/GeneralPage.h"

namespace {

constexpr int kModbusAddress = 1;

// The page number of the main window that shows a page.
int pageOf(PageId page)
{
    switch (page) {
    case PageId::ThermalGeneral:
    case PageId::ParallelismGeneral:
    case PageId::RegulatorGeneral:
    case PageId::IrrigationGeneral:
    case PageId::PositionGeneral:
        return 0;
    case PageId::SetPoints:
        return 1;
    case PageId::SerialPorts:
        return 2;
    case PageId::CurrentOutputs:
        return 3;
    case PageId::Events:
    case PageId::IrrigationRecords:
        return 4;
    case PageId::Calibration:
        return 5;
    case PageId::Parallelism:
        return 6;
    case PageId::RegulatorSettings:
    case PageId::IrrigationSettings:
    case PageId::PositionIndicator:
        return 7;
    case PageId::RegulatorSets:
        return 8;
    }
    return 0;
}

} // namespace

bool openPage(MainWindow& mainWindow, const PageRow& row, const std::string& port, const std::function<void()>& shown)
{
    mainWindow.selectDeviceType(row.deviceType);
    const std::optional<PageId> general = mainWindow.shownPage();
    auto* page = general ? dynamic_cast<GeneralPage*>(mainWindow.page(*general)) : nullptr;
    if (page == nullptr || !page->connectSerial(port, kModbusAddress, false, SerialLinkSettings{}))
        return false;
    if (row.page != *general)
        mainWindow.showPage(pageOf(row.page));
    if (mainWindow.shownPage() != row.page || mainWindow.page(row.page) == nullptr)
        return false;
    if (shown)
        shown();
    if (row.openWindow != nullptr)
        row.openWindow(mainWindow);
    return true;
}
