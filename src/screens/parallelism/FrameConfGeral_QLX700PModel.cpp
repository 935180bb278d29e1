#include "screens/parallelism/FrameConfGeral_QLX700PModel.h"

#include "device/DeviceType.h"
#include "device/EquipCommF.h"
#include "screens/common/GeneralFrameTexts.h"
#include "screens/parallelism/ParallelismLive.h"

#include <utility>

GeneralFrameModel parallelismGeneralFrameModel(std::function<const TEquipComm*()> comm)
{
    GeneralFrameModel m;
    m.connect.deviceType = kQLX700P;
    m.connect.signature = kSignatureP;
    m.connect.switches = {{kSignatureT, kQLX700T, geral::AssinaturaT}, {kSignatureR, kQLX700R, geral::AssinaturaR}};
    // The unit index decides which bus-table entries are this unit's.
    m.connect.afterSignature = [](TEquipComm& c) { return c.readRegisters(1951, 1); };
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
