#include "screens/position/PositionIndicatorPage.h"

#include "app/PageWork.h"
#include "device/BusyHold.h"
#include "device/DeviceLink.h"
#include "screens/common/SendSettle.h"
#include "screens/common/TapChangerTexts.h"
#include "screens/position/PositionIndicatorControls.h"

namespace {

// The page's registers 701..707 and those between them, in one read.
constexpr int kTapChangerFirst = 701;
constexpr int kTapChangerCount = 7;

} // namespace

PositionIndicatorPage::PositionIndicatorPage(Ui& ui, EventPump& pump)
    : ui_(ui)
    , pump_(pump)
    , controls_(positionIndicatorControls())
{
    setLanguage(0);
}

bool PositionIndicatorPage::connected() const { return comm_ != nullptr && comm_->connected(); }

void PositionIndicatorPage::activate(DeviceLink& comm, int language)
{
    comm_ = &comm;
    if (connected()) {
        const BusyHold hold(busy_);
        comm.readRegisters(kTapChangerFirst, kTapChangerCount, true);
        comm.flushQueuedReads();
    }
    setLanguage(language);
    redraw();
}

void PositionIndicatorPage::setLanguage(int language)
{
    language_ = ValidLanguage(language);
    tapChangerTitle_ = tapchanger::Title.in(language_);
}

void PositionIndicatorPage::redraw()
{
    // Without a link the controls keep what they show.
    if (!connected())
        return;
    updating_ = true;
    controls_.fill(*comm_, 0, decimalSeparator_);
    updating_ = false;
}

void PositionIndicatorPage::sendSettings()
{
    if (updating_ || busy_ || !connected())
        return;
    const PageWork work(comm_, busy_);
    controls_.send(*comm_, 0, ui_, language_);
    settleAfterSend(pump_);
    redraw();
}

void PositionIndicatorPage::optionChosen(std::size_t control, int index)
{
    if (updating_ || busy_ || !controls_.select(control, index))
        return;
    sendSettings();
}
