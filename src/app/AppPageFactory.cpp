#include "app/AppPageFactory.h"

#include "app/MainWindow.h"
#include "screens/calibration/CalibrationPage.h"
#include "screens/common/GeneralPageContext.h"
#include "screens/irrigation/IrrigationGeneralPage.h"
#include "screens/irrigation/IrrigationRecordsPage.h"
#include "screens/irrigation/IrrigationSettingsPage.h"
#include "screens/parallelism/ParallelismGeneralPage.h"
#include "screens/parallelism/ParallelismPage.h"
#include "screens/position/PositionGeneralPage.h"
#include "screens/position/PositionIndicatorPage.h"
#include "screens/regulator/RegulatorSetsPage.h"
#include "screens/regulator/RegulatorGeneralPage.h"
#include "screens/regulator/RegulatorSettingsPage.h"
#include "screens/thermal/ThermalGeneralPage.h"
#include "screens/thermal/CurrentOutputsPage.h"
#include "screens/thermal/SerialPortsPage.h"
#include "screens/thermal/SetPointsPage.h"
#include "screens/thermal/EventsPage.h"

std::unique_ptr<Page> AppPageFactory::create(PageId id, MainWindow& mainWindow)
{
    const auto select = [&mainWindow](int type) { mainWindow.selectDeviceType(type); };
    const GeneralPageContext context{mainWindow.settings(),  mainWindow.ui(),       services_.pump,
                                     services_.sources, services_.files, select};
    switch (id) {
    case PageId::ThermalGeneral:
        return std::make_unique<ThermalGeneralPage>(context);
    case PageId::ParallelismGeneral:
        return std::make_unique<ParallelismGeneralPage>(context);
    case PageId::Parallelism:
        return std::make_unique<ParallelismPage>(mainWindow.ui(), services_.pump);
    case PageId::PositionGeneral:
        return std::make_unique<PositionGeneralPage>(context, [&mainWindow] { mainWindow.showCurrentOutputEntry(); });
    case PageId::PositionIndicator:
        return std::make_unique<PositionIndicatorPage>(mainWindow.ui(), services_.pump);
    case PageId::RegulatorGeneral:
        return std::make_unique<RegulatorGeneralPage>(context,
                                                      [&mainWindow](int n) { mainWindow.setCurrentOutputCount(n); });
    case PageId::RegulatorSettings:
        return std::make_unique<RegulatorSettingsPage>(mainWindow.ui(), services_.pump);
    case PageId::RegulatorSets:
        return std::make_unique<RegulatorSetsPage>(mainWindow.ui(), services_.pump);
    case PageId::SerialPorts:
        return std::make_unique<SerialPortsPage>(mainWindow.ui());
    case PageId::CurrentOutputs:
        return std::make_unique<CurrentOutputsPage>(mainWindow.ui(),
                                                    [&mainWindow] { return mainWindow.currentOutputCount(); });
    case PageId::SetPoints:
        return std::make_unique<SetPointsPage>(mainWindow.ui());
    case PageId::Events:
        return std::make_unique<EventsPage>(mainWindow.ui(), services_.files, mainWindow.settings(), services_.pump);
    case PageId::IrrigationGeneral:
        return std::make_unique<IrrigationGeneralPage>(context);
    case PageId::IrrigationRecords:
        return std::make_unique<IrrigationRecordsPage>(mainWindow.ui(), services_.files, mainWindow.settings(), services_.pump);
    case PageId::IrrigationSettings:
        return std::make_unique<IrrigationSettingsPage>(mainWindow.ui(), services_.pump);
    case PageId::Calibration:
        return std::make_unique<CalibrationPage>(mainWindow.ui());
    default:
        return nullptr;
    }
}
