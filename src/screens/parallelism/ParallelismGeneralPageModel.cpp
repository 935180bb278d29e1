#include "screens/parallelism/ParallelismGeneralPageModel.h"

#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "screens/common/GeneralPageTexts.h"
#include "screens/parallelism/ParallelismLive.h"

#include <utility>

GeneralPageModel parallelismGeneralPageModel(std::function<const DeviceLink*()> comm)
{
    GeneralPageModel m;
    m.connect.deviceType = kQLX700P;
    m.connect.signature = kSignatureP;
    m.connect.switches = {{kSignatureT, kQLX700T, general::SignatureIsT},
                          {kSignatureR, kQLX700R, general::SignatureIsR}};
    // The unit index decides which bus-table entries are this unit's.
    m.connect.afterSignature = [](DeviceLink& c) { return c.readRegisters(1951, 1); };
    m.connect.initialReads = [comm](int, bool) {
        std::vector<RegisterRun> runs{{1500, 1}, {1600, 4}, {2000, 1}, {2501, 2}, {2001, 1}, {401, 6}};
        // An index outside 0..15 would address another unit's registers: none are read.
        if (const std::optional<int> u = parallelismUnit(*comm())) {
            for (const int base : {501, 521, 541, 561, 121, 141, 161})
                runs.push_back({base + *u, 1});
        }
        return runs;
    };
    m.liveReads = [comm](int) { return parallelismLiveReads(parallelismUnit(*comm())); };
    m.liveFlushTimeout = Seconds{0.1};
    return m;
}
