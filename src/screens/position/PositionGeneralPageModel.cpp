#include "screens/position/PositionGeneralPageModel.h"

#include "device/DeviceType.h"
#include "screens/common/GeneralPageTexts.h"
#include "screens/position/PositionLive.h"

GeneralPageModel positionGeneralPageModel()
{
    GeneralPageModel m;
    m.connect.deviceType = kQLX700C;
    m.connect.signature = kSignatureC;
    m.connect.switches = {{kSignatureT, kQLX700T, general::SignatureIsT},
                          {kSignatureP, kQLX700P, general::SignatureIsP}};
    // 707 (the reading mode) decides whether the page shows an indicated position.
    m.connect.initialReads = [](int, bool) {
        return std::vector<RegisterRun>{{1500, 1}, {1600, 4}, {2000, 1}, {2501, 2}, {2001, 1}, {703, 1}, {704, 1},
                                        {1700, 2}, {1702, 1}, {2510, 6}, {601, 6}, {707, 1}};
    };
    m.liveReads = [](int) { return positionLiveReads(); };
    m.liveFlushTimeout = Seconds{0.1};
    return m;
}
