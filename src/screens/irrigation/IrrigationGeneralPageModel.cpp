#include "screens/irrigation/IrrigationGeneralPageModel.h"

#include "device/DeviceType.h"
#include "screens/common/GeneralPageTexts.h"
#include "screens/irrigation/IrrigationLive.h"

namespace {
constexpr LangText kComPortNoAnswer{
    "Equipamento não está respondendo. É possível que a porta COM esteja incorreta.",
    "The device is not answering. The COM port may be incorrect.",
    "El dispositivo no está respondiendo. Es posible que el puerto COM esté incorrecto."};
} // namespace

GeneralPageModel irrigationGeneralPageModel()
{
    GeneralPageModel m;
    m.connect.deviceType = kQLX700IRR;
    m.connect.signature = kSignatureIRR;
    m.connect.switches = {{kSignatureT, kQLX700T, general::SignatureIsT},
                          {kSignatureR, kQLX700R, general::SignatureIsR},
                          {kSignatureP, kQLX700P, general::SignatureIsP}};
    m.connect.initialReads = [](int, bool) {
        return std::vector<RegisterRun>{{1500, 1}, {1600, 4}, {2000, 1}, {2501, 2}, {2001, 1}, {601, 6}};
    };
    // Over a USB port the controller first has to answer at all: its language, then,
    // once it is known to be an IRR, the start of cycle 1.
    m.connect.serialPresence = PresenceTest{{1500, 1}, {1, 1}, kComPortNoAnswer};
    m.liveReads = [](int) { return irrigationLiveReads(); };
    // On the network link the refresh waits up to 3 s for the controller's answers.
    m.liveFlushTimeout = Seconds{3.0};
    m.usbToggles = true;
    return m;
}
