#include "screens/thermal/ThermalGeneralPageModel.h"

#include "device/DeviceType.h"
#include "screens/common/GeneralPageTexts.h"
#include "screens/thermal/ThermalLive.h"

namespace {

ConnectModel thermalConnectModel()
{
    ConnectModel m;
    m.deviceType = kQLX700T;
    m.signature = kSignatureT;
    m.serialVariant = kSignatureTMembrane;
    m.switches = {{kSignatureP, kQLX700P, general::SignatureIsP}, {kSignatureR, kQLX700R, general::SignatureIsR}};
    // The membrane variant has none of the settings, clock and measurement registers.
    // Relays 9 and 10 of the live view need 109 and 110, so the inverted-logic run
    // covers all ten relays.
    m.initialReads = [](int signature, bool) {
        const bool full = signature != kSignatureTMembrane;
        std::vector<RegisterRun> runs{{1500, 1}, {1600, 4}};
        if (full)
            runs.insert(runs.end(), {{201, 1}, {211, 1}});
        runs.insert(runs.end(), {{2000, 1}, {2501, 2}, {2001, 1}});
        if (full)
            runs.insert(runs.end(), {{401, 6}, {501, 21}, {601, 10}, {1003, 1}, {1020, 1}, {1021, 1}, {101, 10}});
        return runs;
    };
    return m;
}

} // namespace

GeneralPageModel thermalGeneralPageModel()
{
    GeneralPageModel m;
    m.connect = thermalConnectModel();
    m.liveReads = thermalLiveReads;
    // A late reply must not hold the window for long; the next tick asks again.
    m.liveFlushTimeout = Seconds{0.1};
    return m;
}
