#include "screens/regulator/RegulatorSettingsPage.h"

#include "app/PageWork.h"
#include "device/DeviceLink.h"
#include "screens/common/SendSettle.h"
#include "screens/common/TapChangerTexts.h"
#include "screens/regulator/RegulatorControls.h"

namespace {

constexpr LangText kSettingsGroupTitles[4] = {{"Compensação LDC", "LDC Compensation", "Compensación LDC"},
                                             {"TC/TP", "PT/CT", "TC/TP"},
                                             {"Bloqueio", "Block", "Bloqueo"},
                                             tapchanger::Title};

} // namespace

RegulatorSettingsPage::RegulatorSettingsPage(Ui& ui, EventPump& pump)
    : ui_(ui)
    , pump_(pump)
    , controls_(regulatorControls())
{
    setLanguage(0);
}

bool RegulatorSettingsPage::connected() const { return comm_ != nullptr && comm_->connected(); }

void RegulatorSettingsPage::activate(DeviceLink& comm, int language)
{
    comm_ = &comm;
    for (const auto& [first, count] : {std::pair{201, 5}, {401, 5}, {501, 3}, {701, 8}})
        comm.readRegisters(first, count, true);
    comm.flushQueuedReads();
    setLanguage(language);
    redraw();
}

void RegulatorSettingsPage::setLanguage(int language)
{
    language_ = ValidLanguage(language);
    for (std::size_t i = 0; i < groups_.size(); ++i)
        groups_[i] = kSettingsGroupTitles[i].in(language_);
}

void RegulatorSettingsPage::redraw()
{
    updating_ = true;
    // Without a link the controls keep what they show.
    if (connected())
        controls_.fill(*comm_, 0, decimalSeparator_);
    updating_ = false;
}

void RegulatorSettingsPage::sendSettings()
{
    if (updating_ || !connected())
        return;
    const PageWork work(comm_);
    controls_.send(*comm_, 0, ui_, language_);
    settleAfterSend(pump_);
    redraw();
}

void RegulatorSettingsPage::optionChosen(std::size_t control, int index)
{
    if (updating_ || !controls_.select(control, index))
        return;
    sendSettings();
}
