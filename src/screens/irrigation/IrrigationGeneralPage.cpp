#include "screens/irrigation/IrrigationGeneralPage.h"

#include "app/AppSettings.h"
#include "app/SettingsSave.h"
#include "app/Ui.h"
#include "device/DeviceLink.h"
#include "screens/common/GeneralPageTexts.h"
#include "screens/irrigation/IrrigationGeneralPageModel.h"
#include "screens/irrigation/ManualOperationWindow.h"
#include "screens/irrigation/IrrigationLive.h"
#include "screens/irrigation/IrrigationTexts.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kDigitalInputCount = 11;
constexpr std::size_t kWaterLamp = 7;
constexpr std::size_t kPressureSwitchLamp = 8;

// "1: 0  2: 1  ..." for inputs 1..11.
std::string inputsText(int bits)
{
    std::string text;
    for (int n = 1; n <= kDigitalInputCount; ++n)
        text += std::to_string(n) + (((bits >> (n - 1)) & 1) != 0 ? ": 1  " : ": 0  ");
    return text;
}

template <typename T>
std::string counted(const std::optional<T>& value, const char* unit)
{
    return value ? std::to_string(*value) + unit : std::string();
}

} // namespace

IrrigationGeneralPage::IrrigationGeneralPage(GeneralPageContext context)
    : GeneralPage(std::move(context), irrigationGeneralPageModel())
    , captions_(irrigationGeneralPageCaptions(language()))
{
}

void IrrigationGeneralPage::languageChanged() { captions_ = irrigationGeneralPageCaptions(language()); }

std::string IrrigationGeneralPage::systemState(const std::optional<int>& alarms,
                                               const std::optional<bool>& noValveOn) const
{
    if (!alarms || !noValveOn)
        return {};
    std::string text;
    for (std::size_t bit = 0; bit < captions_.alarms.size(); ++bit) {
        if (((*alarms >> bit) & 1) != 0)
            text += captions_.alarms[bit];
    }
    if (text.empty() && *noValveOn)
        text = captions_.noActiveValve;
    return text.empty() ? captions_.systemOk : text;
}

void IrrigationGeneralPage::drawModel(bool on)
{
    const auto& names = context_.settings.record().IrrRelayNames;
    for (int i = 0; i < IrrigationGeneralPageState::kBranches; ++i) {
        if (i != focusedEdit_)
            state_.branchNames[static_cast<std::size_t>(i)] = names[static_cast<std::size_t>(i + 1)];
    }
    state_.branchNamesEnabled = on;
    state_.labelsVisible = on;
    if (!on) {
        // Nothing of a device that is gone stays on the page.
        state_.measurements = {};
        state_.relays = {};
        state_.deviceLanguage = -1;
        return;
    }
    const IrrigationLive live = irrigationLive(*comm_);
    auto& rows = state_.measurements;
    rows[1] = counted(live.pluviometer, " mm/m2");
    rows[2] = counted(live.hydrometerTotal, " l");
    rows[3] = counted(live.hydrometerLastCycle, " l");
    rows[4] = live.pressureBar ? number("%.1f bar", *live.pressureBar) : "";
    rows[5] = live.digitalInputs ? inputsText(*live.digitalInputs) : "";
    rows[6] = !live.temperatureSensor ? "" : *live.temperatureSensor ? number("%.1f ºC", *live.celsius) : "-----";
    rows[7] = systemState(live.alarms, live.noValveOn);
    for (std::size_t i = 0; i < state_.relays.size(); ++i)
        state_.relays[i] = live.outputOn[i] ? RelayLamp::closedIf(*live.outputOn[i]) : RelayLamp{};
    // The water and pressure-switch lamps show their inputs as the inversion settings read them.
    if (const auto lit = waterLamp(live))
        state_.relays[kWaterLamp].lamp = *lit ? RelayLamp::kLit : RelayLamp::kDark;
    if (const auto lit = pressureSwitchLamp(live))
        state_.relays[kPressureSwitchLamp].lamp = *lit ? RelayLamp::kLit : RelayLamp::kDark;
    state_.deviceLanguage = deviceLanguage();
}

void IrrigationGeneralPage::sendSettings()
{
    if (updating() || !connected())
        return;
    auto& names = context_.settings.record().IrrRelayNames;
    if (!std::equal(state_.branchNames.begin(), state_.branchNames.end(), names.begin() + 1)) {
        std::copy(state_.branchNames.begin(), state_.branchNames.end(), names.begin() + 1);
        saveSettings(context_.settings, context_.ui, language());
    }
    bool ok = true;
    if (state_.deviceLanguage >= 0)
        ok = comm_->writeRegister(1500, state_.deviceLanguage, true);
    ok = comm_->flushQueuedWrites() && ok;
    if (!ok)
        context_.ui.showMessage(MessageKind::Error, general::SendError.in(language()));
    // A refused language must not stay selected: show what the device holds.
    redraw();
}

void IrrigationGeneralPage::deviceLanguageChosen(int index)
{
    if (updating() || index < 0 || index > 2)
        return;
    userAction([this, index] {
        state_.deviceLanguage = index;
        sendSettings();
    });
}

void IrrigationGeneralPage::branchNameLeft()
{
    // The names typed so far go with the action, whenever it runs.
    const auto names = state_.branchNames;
    userAction([this, names] {
        state_.branchNames = names;
        sendSettings();
    });
}

void IrrigationGeneralPage::commandClicked(Command command)
{
    userAction([this, command] {
        if (!connected())
            return;
        if (comm_->sendCommand(static_cast<int>(command)))
            context_.ui.showMessage(MessageKind::Information, irrigation::CommandSent.in(language()));
        else
            context_.ui.showMessage(MessageKind::Error, general::SendError.in(language()));
    });
}

void IrrigationGeneralPage::manualOperationClicked()
{
    userAction([this] {
        if (!connected())
            return;
        ManualOperationWindow window(context_.ui, context_.pump);
        const bool ticking = timerEnabled();
        setTimerEnabled(false);
        window.open(*comm_, language());
        context_.ui.exec(window);
        setTimerEnabled(ticking);
    });
}
