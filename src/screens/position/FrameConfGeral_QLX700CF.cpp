#include "screens/position/FrameConfGeral_QLX700CF.h"

#include "device/EquipCommF.h"
#include "screens/position/FrameConfGeral_QLX700CModel.h"
#include "screens/position/PositionLive.h"

#include <utility>

TFrameConfGeral_QLX700C::TFrameConfGeral_QLX700C(GeneralFrameContext context, std::function<void()> showOutputEntry)
    : TGeneralFrame(std::move(context), positionGeneralFrameModel())
    , showOutputEntry_(std::move(showOutputEntry))
    , captions_(frameConfGeral_QLX700CCaptions(language()))
{
}

void TFrameConfGeral_QLX700C::languageChanged() { captions_ = frameConfGeral_QLX700CCaptions(language()); }

void TFrameConfGeral_QLX700C::connectEnded(bool ok)
{
    if (ok && showOutputEntry_)
        showOutputEntry_();
}

void TFrameConfGeral_QLX700C::drawModel(bool on)
{
    if (!on) {
        state_ = {};
        return;
    }
    const TEquipComm& c = *comm_;
    const PositionLive live = positionLive(c);
    state_.medidas[0] = live.ohms ? number("%.1f ohms", *live.ohms) : "";
    state_.medidas[1] = live.milliamps ? number("%.3f mA", *live.milliamps) : "";
    state_.medidas[2] = live.position ? std::to_string(*live.position) : "";
    state_.medidas[3] = live.indication.value_or("");
    if (live.failureBits) {
        const int bit = highestFailureBit(*live.failureBits);
        state_.medidas[4] = captions_.failures[static_cast<std::size_t>(bit >= 0 ? bit : 4)];
    } else {
        state_.medidas[4].clear();
    }
    for (std::size_t i = 0; i < state_.relays.size(); ++i)
        state_.relays[i] = live.relayClosed[i] ? RelayLamp::closedIf(*live.relayClosed[i]) : RelayLamp{};
    state_.rgIdioma = deviceLanguage();
}
