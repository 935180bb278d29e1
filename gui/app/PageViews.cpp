#include "gui/app/PageViews.h"

#include "app/MainWindow.h"
#include "gui/app/MainWindowView.h"
#include "gui/screens/irrigation/IrrigationGeneralPageView.h"
#include "gui/screens/irrigation/IrrigationRecordsPageView.h"
#include "gui/screens/irrigation/IrrigationSettingsPageView.h"
#include "gui/screens/parallelism/ParallelismGeneralPageView.h"
#include "gui/screens/parallelism/ParallelismPageView.h"
#include "gui/screens/position/PositionGeneralPageView.h"
#include "gui/screens/position/PositionIndicatorPageView.h"
#include "gui/screens/regulator/RegulatorSetsPageView.h"
#include "gui/screens/regulator/RegulatorGeneralPageView.h"
#include "gui/screens/regulator/RegulatorSettingsPageView.h"
#include "gui/screens/thermal/ThermalGeneralPageView.h"
#include "gui/screens/thermal/CurrentOutputsPageView.h"
#include "gui/screens/thermal/SerialPortsPageView.h"
#include "gui/screens/thermal/SetPointsPageView.h"
#include "gui/screens/thermal/EventsPageView.h"
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
#include "gui/screens/calibration/CalibrationPageView.h"
#include "screens/calibration/CalibrationPage.h"
#include "screens/thermal/ThermalGeneralPage.h"
#include "screens/thermal/CurrentOutputsPage.h"
#include "screens/thermal/SerialPortsPage.h"
#include "screens/thermal/SetPointsPage.h"
#include "screens/thermal/EventsPage.h"

void attachPageViews(MainWindow& logic, MainWindowView& window)
{
    if (auto* page = dynamic_cast<ThermalGeneralPage*>(logic.page(PageId::ThermalGeneral)))
        window.setPageView(PageId::ThermalGeneral, new ThermalGeneralPageView(*page));
    if (auto* page = dynamic_cast<ParallelismGeneralPage*>(logic.page(PageId::ParallelismGeneral)))
        window.setPageView(PageId::ParallelismGeneral, new ParallelismGeneralPageView(*page));
    if (auto* page = dynamic_cast<ParallelismPage*>(logic.page(PageId::Parallelism)))
        window.setPageView(PageId::Parallelism, new ParallelismPageView(*page));
    if (auto* page = dynamic_cast<PositionGeneralPage*>(logic.page(PageId::PositionGeneral)))
        window.setPageView(PageId::PositionGeneral, new PositionGeneralPageView(*page));
    if (auto* page = dynamic_cast<PositionIndicatorPage*>(logic.page(PageId::PositionIndicator)))
        window.setPageView(PageId::PositionIndicator, new PositionIndicatorPageView(*page));
    if (auto* page = dynamic_cast<SerialPortsPage*>(logic.page(PageId::SerialPorts)))
        window.setPageView(PageId::SerialPorts, new SerialPortsPageView(*page));
    if (auto* page = dynamic_cast<CurrentOutputsPage*>(logic.page(PageId::CurrentOutputs)))
        window.setPageView(PageId::CurrentOutputs, new CurrentOutputsPageView(*page));
    if (auto* page = dynamic_cast<SetPointsPage*>(logic.page(PageId::SetPoints)))
        window.setPageView(PageId::SetPoints, new SetPointsPageView(*page));
    if (auto* page = dynamic_cast<EventsPage*>(logic.page(PageId::Events)))
        window.setPageView(PageId::Events, new EventsPageView(*page));
    if (auto* page = dynamic_cast<RegulatorGeneralPage*>(logic.page(PageId::RegulatorGeneral)))
        window.setPageView(PageId::RegulatorGeneral, new RegulatorGeneralPageView(*page));
    if (auto* page = dynamic_cast<RegulatorSettingsPage*>(logic.page(PageId::RegulatorSettings)))
        window.setPageView(PageId::RegulatorSettings, new RegulatorSettingsPageView(*page));
    if (auto* page = dynamic_cast<RegulatorSetsPage*>(logic.page(PageId::RegulatorSets)))
        window.setPageView(PageId::RegulatorSets, new RegulatorSetsPageView(*page));
    if (auto* page = dynamic_cast<IrrigationGeneralPage*>(logic.page(PageId::IrrigationGeneral)))
        window.setPageView(PageId::IrrigationGeneral, new IrrigationGeneralPageView(*page));
    if (auto* page = dynamic_cast<IrrigationRecordsPage*>(logic.page(PageId::IrrigationRecords)))
        window.setPageView(PageId::IrrigationRecords, new IrrigationRecordsPageView(*page));
    if (auto* page = dynamic_cast<IrrigationSettingsPage*>(logic.page(PageId::IrrigationSettings)))
        window.setPageView(PageId::IrrigationSettings, new IrrigationSettingsPageView(*page));
    if (auto* page = dynamic_cast<CalibrationPage*>(logic.page(PageId::Calibration)))
        window.setPageView(PageId::Calibration, new CalibrationPageView(*page));
}
