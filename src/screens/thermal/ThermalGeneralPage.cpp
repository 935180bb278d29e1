#include "screens/thermal/ThermalGeneralPage.h"

#include "app/AppSettings.h"
#include "app/SettingsSave.h"
#include "app/Ui.h"
#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "screens/common/GeneralPageTexts.h"
#include "screens/thermal/FaultDetectionWindow.h"
#include "screens/thermal/ThermalGeneralPageModel.h"
#include "screens/thermal/ThermalLive.h"

#include <algorithm>
#include <utility>

namespace {

int selectIndex(int value, int items) { return std::clamp(value, 0, items - 1); }

} // namespace

ThermalGeneralPage::ThermalGeneralPage(GeneralPageContext context)
    : GeneralPage(std::move(context), thermalGeneralPageModel())
    , valueTestWindow_(context_.ui)
{
    captions_ = thermalGeneralPageCaptions(language());
}

void ThermalGeneralPage::languageChanged()
{
    captions_ = thermalGeneralPageCaptions(language());
    valueTestWindow_.setLanguage(language());
}

void ThermalGeneralPage::connectEnded(bool)
{
    if (connectFlow().signature() == kSignatureTMembrane)
        state_.membraneTestVisible = true;
}

std::string ThermalGeneralPage::cell(const char* format, const std::optional<double>& value) const
{
    return value ? number(format, *value) : std::string();
}

void ThermalGeneralPage::drawModel(bool on)
{
    const auto& names = context_.settings.record().RelayNames;
    for (int i = 0; i < kRelayCount; ++i) {
        if (i != focusedEdit_)
            state_.relayNames[static_cast<std::size_t>(i)] = names[static_cast<std::size_t>(i)];
    }
    state_.relayNamesEnabled = on;
    if (!on) {
        state_.displayMode = state_.operatingFrequency = state_.deviceLanguage = -1;
        state_.measurements = {};
        state_.windingMeasurements = {};
        state_.relays = {};
        return;
    }
    const DeviceLink& c = *comm_;
    const auto selection = [&](int reg, int items) { return c.received(reg) ? selectIndex(c.registerValue(reg), items) : -1; };
    state_.displayMode = selection(201, 3);
    state_.operatingFrequency = selection(211, 2);
    state_.deviceLanguage = selection(1500, 3);
    const ThermalLive live = thermalLive(c);
    for (std::size_t i = 0; i < state_.measurements.size(); ++i)
        state_.measurements[i] = {cell("%.1fºC", live.rtdCelsius[i]), cell("%.1f ohms", live.rtdOhms[i])};
    for (std::size_t i = 0; i < state_.windingMeasurements.size(); ++i) {
        state_.windingMeasurements[i] = {cell("%.1fºC", live.windingCelsius[i]), cell("%.2f A", live.windingAmps[i]),
                                         cell("%.1f %%", live.windingPercent[i])};
    }
    for (std::size_t i = 0; i < state_.relays.size(); ++i)
        state_.relays[i] = live.relayClosed[i] ? RelayLamp::closedIf(*live.relayClosed[i]) : RelayLamp{};
}

void ThermalGeneralPage::sendSettings()
{
    if (updating() || !connected())
        return;
    auto& names = context_.settings.record().RelayNames;
    if (!std::equal(names.begin(), names.end(), state_.relayNames.begin())) {
        std::copy(state_.relayNames.begin(), state_.relayNames.end(), names.begin());
        saveSettings(context_.settings, context_.ui, language());
    }
    bool ok = true;
    const std::pair<int, int> settings[] = {{201, state_.displayMode}, {211, state_.operatingFrequency}};
    for (const auto& [reg, index] : settings) {
        if (index >= 0)
            ok = comm_->writeRegister(reg, index, true) && ok;
    }
    ok = comm_->flushQueuedWrites() && ok;
    if (!ok)
        context_.ui.showMessage(MessageKind::Error, general::SendError.in(language()));
    // A refused value must not stay selected: show what the device holds.
    redraw();
}

void ThermalGeneralPage::settingChosen(int ThermalGeneralPageState::*group, int index)
{
    if (updating())
        return;
    userAction([this, group, index] {
        state_.*group = index;
        sendSettings();
    });
}

void ThermalGeneralPage::displayModeChosen(int index)
{
    settingChosen(&ThermalGeneralPageState::displayMode, index);
}

void ThermalGeneralPage::operatingFrequencyChosen(int index)
{
    settingChosen(&ThermalGeneralPageState::operatingFrequency, index);
}

void ThermalGeneralPage::relayNameLeft()
{
    // The names typed so far go with the action, whenever it runs.
    const auto names = state_.relayNames;
    userAction([this, names] {
        state_.relayNames = names;
        sendSettings();
    });
}

void ThermalGeneralPage::membraneTestClicked()
{
    userAction([this] {
        if (!connected())
            return;
        FaultDetectionWindow window(context_.settings, context_.ui, context_.files);
        window.activate(*comm_, language());
        const bool ticking = timerEnabled();
        setTimerEnabled(false);
        context_.ui.exec(window);
        setTimerEnabled(ticking);
    });
}
