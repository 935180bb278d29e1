#include "screens/regulator/RegulatorGeneralPageModel.h"

#include "device/DeviceType.h"
#include "screens/common/GeneralPageTexts.h"
#include "screens/regulator/RegulatorLive.h"

GeneralPageModel regulatorGeneralPageModel()
{
    GeneralPageModel m;
    m.connect.deviceType = kQLX700R;
    m.connect.signature = kSignatureR;
    // Only the T and the P hand over; an IRR or C signature is simply invalid here.
    m.connect.switches = {{kSignatureT, kQLX700T, general::SignatureIsT},
                          {kSignatureP, kQLX700P, general::SignatureIsP}};
    // 401 (6) is the T and P clock block: the R's clock (601..606) appears with the
    // first refresh. 2510 (6) holds the current outputs' gains.
    m.connect.initialReads = [](int, bool) {
        return std::vector<RegisterRun>{{1500, 1}, {1600, 4}, {2000, 1}, {2501, 2}, {2001, 1}, {703, 1}, {1001, 15},
                                        {704, 1},  {1700, 2}, {1702, 1}, {2510, 6}, {2670, 1}, {401, 6}};
    };
    m.liveReads = regulatorLiveReads;
    // A late reply must not hold the window for long; the next tick asks again.
    m.liveFlushTimeout = Seconds{0.1};
    return m;
}
