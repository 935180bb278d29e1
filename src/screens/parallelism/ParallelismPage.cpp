#include "screens/parallelism/ParallelismPage.h"

#include "app/LanguageText.h"
#include "app/PageWork.h"
#include "app/Ui.h"
#include "device/BusyHold.h"
#include "device/DeviceLink.h"
#include "link/EventPump.h"
#include "screens/common/GeneralPageTexts.h"
#include "screens/common/SendSettle.h"
#include "screens/parallelism/ParallelismControls.h"
#include "screens/parallelism/ParallelismLive.h"

namespace {

constexpr int kPositionReading = 201;
constexpr Seconds kUnitReadRetryPause{0.2};

} // namespace

ParallelismPage::ParallelismPage(Ui& ui, EventPump& pump)
    : ui_(ui)
    , pump_(pump)
    , controls_(parallelismControls())
{
}

bool ParallelismPage::connected() const { return comm_ != nullptr && comm_->connected(); }

// The unit's registers at its bus index; nothing per unit for an index that
// addresses no unit.
bool ParallelismPage::readUnit()
{
    if (const std::optional<int> u = parallelismUnit(*comm_)) {
        for (const int base : {1, 21, 41, 61, 81, 101, 121, 141, 161})
            comm_->readRegisters(base + *u, 1, true);
    }
    comm_->readRegisters(kPositionReading, 1, true);
    return comm_->flushQueuedReads();
}

void ParallelismPage::activate(DeviceLink& comm, int language)
{
    comm_ = &comm;
    if (connected()) {
        const BusyHold hold(busy_);
        if (!comm.received(kParallelismUnitIndex))
            comm.readRegisters(kParallelismUnitIndex, 1);
        if (!readUnit()) {
            pump_.sleepUntil(deadlineAfter(kUnitReadRetryPause));
            readUnit();
        }
    }
    setLanguage(language);
    redraw();
}

void ParallelismPage::setLanguage(int language) { language_ = ValidLanguage(language); }

void ParallelismPage::redraw()
{
    if (!connected())
        return;
    updating_ = true;
    controls_.fill(*comm_, parallelismUnit(*comm_), decimalSeparator_);
    updating_ = false;
}

void ParallelismPage::sendSettings()
{
    if (updating_ || busy_ || !connected())
        return;
    const PageWork work(comm_, busy_);
    controls_.send(*comm_, parallelismUnit(*comm_), ui_, language_);
    settleAfterSend(pump_);
    if (!comm_->readRegisters(kParallelismUnitIndex, 1)) {
        ui_.showMessage(MessageKind::Error, general::SendError.in(language_));
        return;
    }
    // A new address moves the page to the unit's entries at its new index.
    static const std::size_t address = controlIndex(parallelismControls(), "addressEdit");
    if (controls_.changed(address))
        readUnit();
    redraw();
}

void ParallelismPage::optionChosen(std::size_t control, int index)
{
    if (updating_ || busy_ || !controls_.select(control, index))
        return;
    sendSettings();
}
