#include "screens/regulator/RegulatorSetsPage.h"

#include "app/PageWork.h"
#include "device/DeviceLink.h"
#include "screens/common/SendSettle.h"
#include "screens/regulator/RegulatorControls.h"

namespace {

constexpr LangText kRegulationSet{"Conjunto de Regulação", "Regulation Set", "Conjunto Regulador"};
constexpr int kSetRegisters = 11;

} // namespace

RegulatorSetsPage::RegulatorSetsPage(Ui& ui, EventPump& pump)
    : ui_(ui)
    , pump_(pump)
    , controls_(regulatorSetControls())
{
    setLanguage(0);
}

bool RegulatorSetsPage::connected() const { return comm_ != nullptr && comm_->connected(); }

void RegulatorSetsPage::activate(DeviceLink& comm, int language)
{
    comm_ = &comm;
    // Only the first set: another selected set shows from the image until chosen again.
    comm.readRegisters(1, kSetRegisters, true);
    comm.flushQueuedReads();
    setLanguage(language);
    if (set_ < 0)
        set_ = 0;
    redraw();
}

void RegulatorSetsPage::setLanguage(int language)
{
    language_ = ValidLanguage(language);
    regulationSetTitle_ = kRegulationSet.in(language_);
}

void RegulatorSetsPage::regulationSetChosen(int set)
{
    if (set < 0 || set >= kSetCount)
        return;
    set_ = set;
    if (connected()) {
        comm_->readRegisters(base() + 1, kSetRegisters, true);
        comm_->flushQueuedReads();
    }
    redraw();
}

void RegulatorSetsPage::redraw()
{
    if (set_ < 0)
        return;
    updating_ = true;
    if (connected())
        controls_.fill(*comm_, base(), decimalSeparator_);
    updating_ = false;
}

void RegulatorSetsPage::sendSettings()
{
    if (updating_ || set_ < 0 || !connected())
        return;
    const PageWork work(comm_);
    controls_.send(*comm_, base(), ui_, language_);
    settleAfterSend(pump_);
    redraw();
}

void RegulatorSetsPage::optionChosen(std::size_t control, int index)
{
    if (updating_ || !controls_.select(control, index))
        return;
    sendSettings();
}
