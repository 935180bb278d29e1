#include "MonitorModel.h"

#include "IrrigationMonitor.h"
#include "ParallelismMonitor.h"
#include "PositionMonitor.h"
#include "RegulatorMonitor.h"
#include "ThermalMonitor.h"
#include "device/DeviceType.h"

// Each model's monitor joins here when its live view is built.
std::optional<MonitorModel> monitorModel(int deviceType, int signature)
{
    switch (deviceType) {
    case kQLX700T:
        // The membrane variant has none of the live registers the T's line shows.
        if (signature == kSignatureTMembrane)
            return std::nullopt;
        return thermalMonitor(signature);
    case kQLX700P:
        return parallelismMonitor();
    case kQLX700C:
        return positionMonitor();
    case kQLX700R:
        return regulatorMonitor(signature);
    case kQLX700IRR:
        return irrigationMonitor();
    default:
        return std::nullopt;
    }
}
