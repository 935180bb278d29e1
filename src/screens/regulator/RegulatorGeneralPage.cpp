#include "screens/regulator/RegulatorGeneralPage.h"

#include "app/Ui.h"
#include "device/DeviceLink.h"
#include "screens/common/GeneralPageTexts.h"
#include "screens/regulator/RegulatorGeneralPageModel.h"
#include "screens/regulator/RegulatorGeneralTexts.h"
#include "screens/regulator/RegulatorLive.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kCommandUp = 1000;
constexpr int kCommandDown = 1003;
constexpr int kModeItems = 5;
constexpr int kLanguageItems = 3;
// Row 9 of measurementGrid, the present tap position.
constexpr std::size_t kPositionRow = 8;

std::string integerCell(const std::optional<int>& value)
{
    return value ? std::to_string(*value) : std::string();
}

} // namespace

RegulatorGeneralPage::RegulatorGeneralPage(GeneralPageContext context, std::function<void(int)> currentOutputs)
    : GeneralPage(std::move(context), regulatorGeneralPageModel())
    , currentOutputs_(std::move(currentOutputs))
    , valueTestWindow_(context_.ui)
{
    captions_ = regulatorGeneralPageCaptions(language());
}

void RegulatorGeneralPage::languageChanged()
{
    captions_ = regulatorGeneralPageCaptions(language());
    valueTestWindow_.setLanguage(language());
}

void RegulatorGeneralPage::connectEnded(bool ok)
{
    if (ok && currentOutputs_)
        currentOutputs_(regulatorCurrentOutputCount(*comm_));
}

std::string RegulatorGeneralPage::cell(const char* format, const std::optional<double>& value) const
{
    return value ? number(format, *value) : std::string();
}

void RegulatorGeneralPage::drawModel(bool on)
{
    if (!on) {
        state_ = {};
        return;
    }
    const DeviceLink& c = *comm_;
    const auto selection = [&](int reg, int items) {
        return c.received(reg) ? std::clamp(c.registerValue(reg), 0, items - 1) : -1;
    };
    state_.indicationMode = selection(703, kModeItems);
    state_.deviceLanguage = selection(1500, kLanguageItems);
    const RegulatorLive live = regulatorLive(c);
    auto& m = state_.measurements;
    m[0] = cell("%.1f V", live.secondaryVolts);
    m[1] = cell("%.2f A", live.secondaryAmps);
    m[2] = cell("%.1f kV", live.lineKv);
    m[3] = live.lineAmps ? std::to_string(*live.lineAmps) + " A" : std::string();
    m[4] = cell("%.1f kV", live.loadKv);
    m[5] = cell("%.1fº", live.lagDegrees);
    m[6] = cell("%.3f", live.powerFactor);
    m[7] = integerCell(live.activeSet);
    // An unknown indication mode leaves the cell as it was.
    const bool positionRead = c.received(1015) && c.received(704) && c.received(703) && c.received(2670);
    if (!positionRead)
        m[kPositionRow].clear();
    else if (live.position)
        m[kPositionRow] = *live.position;
    auto& m2 = state_.secondMeasurements;
    m2[0] = cell("%.1f MVA", live.apparentMva);
    m2[1] = cell("%.1f MW", live.activeMw);
    m2[2] = cell("%.1f MVAr", live.reactiveMvar);
    m2[3] = cell("%.1f %%", live.nominalVoltsPercent);
    m2[4] = cell("%.1f %%", live.nominalAmpsPercent);
    m2[5] = cell("%.1f %%", live.deviationPercent);
    m2[6] = integerCell(live.minPosition);
    m2[7] = integerCell(live.maxPosition);
    m2[8] = live.operations ? std::to_string(*live.operations) + " " + regulator::Millions.in(language()) : std::string();
    for (std::size_t i = 0; i < state_.relays.size(); ++i)
        state_.relays[i] = live.relayEnergised[i] ? RelayLamp::closedIf(*live.relayEnergised[i]) : RelayLamp{};
}

void RegulatorGeneralPage::sendSettings()
{
    if (updating() || !connected())
        return;
    bool ok = true;
    if (state_.indicationMode >= 0)
        ok = comm_->writeRegister(703, state_.indicationMode, true);
    ok = comm_->flushQueuedWrites() && ok;
    if (!ok)
        context_.ui.showMessage(MessageKind::Error, general::SendError.in(language()));
    // A refused value must not stay selected: show what the device holds.
    redraw();
}

void RegulatorGeneralPage::indicationModeChosen(int index)
{
    if (updating())
        return;
    userAction([this, index] {
        state_.indicationMode = index;
        sendSettings();
    });
}

void RegulatorGeneralPage::positionCommand(int code)
{
    userAction([this, code] {
        if (!connected())
            return;
        if (comm_->sendCommand(code))
            context_.ui.showMessage(MessageKind::Information, regulator::CommandSent.in(language()));
        else
            context_.ui.showMessage(MessageKind::Error, general::SendError.in(language()));
    });
}

void RegulatorGeneralPage::positionUpClicked() { positionCommand(kCommandUp); }
void RegulatorGeneralPage::positionDownClicked() { positionCommand(kCommandDown); }

void RegulatorGeneralPage::resetMaxMinCountClicked()
{
    userAction([this] {
        if (!connected() || !context_.ui.ask(MessageKind::Confirmation, regulator::ResetQuestion.in(language())))
            return;
        // The extremes restart from the present position; one never read on this link
        // must not be written as if it were.
        bool ok = comm_->received(1015);
        if (ok) {
            const int position = comm_->registerValue(1015);
            ok = comm_->writeRegister(801, position, true, true) && ok;
            ok = comm_->writeRegister(802, position, true, true) && ok;
            ok = comm_->writeRegister(804, 0, true, true) && ok;
            ok = comm_->flushQueuedWrites() && ok;
        }
        if (ok)
            context_.ui.showMessage(MessageKind::Information, regulator::MemoryReset.in(language()));
        else
            context_.ui.showMessage(MessageKind::Error, regulator::ResetError.in(language()));
    });
}
