#include "screens/position/PositionGeneralPage.h"

#include "device/DeviceLink.h"
#include "screens/position/PositionGeneralPageModel.h"
#include "screens/position/PositionLive.h"

#include <utility>

PositionGeneralPage::PositionGeneralPage(GeneralPageContext context, std::function<void()> showOutputEntry)
    : GeneralPage(std::move(context), positionGeneralPageModel())
    , showOutputEntry_(std::move(showOutputEntry))
    , captions_(positionGeneralPageCaptions(language()))
{
}

void PositionGeneralPage::languageChanged() { captions_ = positionGeneralPageCaptions(language()); }

void PositionGeneralPage::connectEnded(bool ok)
{
    if (ok && showOutputEntry_)
        showOutputEntry_();
}

void PositionGeneralPage::drawModel(bool on)
{
    if (!on) {
        state_ = {};
        return;
    }
    const DeviceLink& c = *comm_;
    const PositionLive live = positionLive(c);
    state_.measurements[0] = live.ohms ? number("%.1f ohms", *live.ohms) : "";
    state_.measurements[1] = live.milliamps ? number("%.3f mA", *live.milliamps) : "";
    state_.measurements[2] = live.position ? std::to_string(*live.position) : "";
    state_.measurements[3] = live.indication.value_or("");
    if (live.failureBits) {
        const int bit = highestFailureBit(*live.failureBits);
        state_.measurements[4] = captions_.failures[static_cast<std::size_t>(bit >= 0 ? bit : 4)];
    } else {
        state_.measurements[4].clear();
    }
    for (std::size_t i = 0; i < state_.relays.size(); ++i)
        state_.relays[i] = live.relayClosed[i] ? RelayLamp::closedIf(*live.relayClosed[i]) : RelayLamp{};
    state_.deviceLanguage = deviceLanguage();
}
