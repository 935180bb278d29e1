#include "screens/irrigation/FrameConfGeral_QLX700IRRF.h"

#include "app/AppSettings.h"
#include "app/SettingsSave.h"
#include "app/Ui.h"
#include "device/EquipCommF.h"
#include "screens/common/GeneralFrameTexts.h"
#include "screens/irrigation/FrameConfGeral_QLX700IRRModel.h"
#include "screens/irrigation/Form_QLX700IRR_ManualF.h"
#include "screens/irrigation/IrrigationLive.h"
#include "screens/irrigation/IrrigationTexts.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kDigitalInputCount = 11;
constexpr std::size_t kWaterLamp = 7;
constexpr std::size_t kPressureSwitchLamp = 8;
constexpr unsigned kRed = 0xFF0000;
constexpr unsigned kBlack = 0x000000;

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

TFrameConfGeral_QLX700IRR::TFrameConfGeral_QLX700IRR(GeneralFrameContext context)
    : TGeneralFrame(std::move(context), irrigationGeneralFrameModel())
    , captions_(frameConfGeral_QLX700IRRCaptions(language()))
{
}

void TFrameConfGeral_QLX700IRR::languageChanged() { captions_ = frameConfGeral_QLX700IRRCaptions(language()); }

std::string TFrameConfGeral_QLX700IRR::systemState(const std::optional<int>& alarms,
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
        text = captions_.nenhumaValvula;
    return text.empty() ? captions_.sistemaOk : text;
}

void TFrameConfGeral_QLX700IRR::drawModel(bool on)
{
    const auto& names = context_.settings.record().IrrRelayNames;
    for (int i = 0; i < FrameConfGeral_QLX700IRRState::kBranches; ++i) {
        if (i != focusedEdit_)
            state_.edRele[static_cast<std::size_t>(i)] = names[static_cast<std::size_t>(i + 1)];
    }
    state_.edReleEnabled = on;
    state_.labelsVisible = on;
    if (!on) {
        // Nothing of a device that is gone stays on the page.
        state_.medidas = {};
        state_.relays = {};
        state_.rgIdioma = -1;
        return;
    }
    const IrrigationLive live = irrigationLive(*comm_);
    auto& rows = state_.medidas;
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
        state_.relays[kWaterLamp].lamp = *lit ? kRed : kBlack;
    if (const auto lit = pressureSwitchLamp(live))
        state_.relays[kPressureSwitchLamp].lamp = *lit ? kRed : kBlack;
    state_.rgIdioma = deviceLanguage();
}

void TFrameConfGeral_QLX700IRR::EnviarAjustes()
{
    if (updating() || !connected())
        return;
    auto& names = context_.settings.record().IrrRelayNames;
    if (!std::equal(state_.edRele.begin(), state_.edRele.end(), names.begin() + 1)) {
        std::copy(state_.edRele.begin(), state_.edRele.end(), names.begin() + 1);
        saveSettings(context_.settings, context_.ui, language());
    }
    bool ok = true;
    if (state_.rgIdioma >= 0)
        ok = comm_->writeRegister(1500, state_.rgIdioma, true);
    ok = comm_->flushQueuedWrites() && ok;
    if (!ok)
        context_.ui.showMessage(MessageKind::Error, geral::ErroEnvio.in(language()));
    // A refused language must not stay selected: show what the device holds.
    AtualizarTela();
}

void TFrameConfGeral_QLX700IRR::rgIdiomaClick(int index)
{
    if (updating() || index < 0 || index > 2)
        return;
    userAction([this, index] {
        state_.rgIdioma = index;
        EnviarAjustes();
    });
}

void TFrameConfGeral_QLX700IRR::edRele2Exit()
{
    // The names typed so far go with the action, whenever it runs.
    const auto names = state_.edRele;
    userAction([this, names] {
        state_.edRele = names;
        EnviarAjustes();
    });
}

void TFrameConfGeral_QLX700IRR::commandClick(Command command)
{
    userAction([this, command] {
        if (!connected())
            return;
        if (comm_->sendCommand(static_cast<int>(command)))
            context_.ui.showMessage(MessageKind::Information, irr::ComandoEnviado.in(language()));
        else
            context_.ui.showMessage(MessageKind::Error, geral::ErroEnvio.in(language()));
    });
}

void TFrameConfGeral_QLX700IRR::bbManualClick()
{
    userAction([this] {
        if (!connected())
            return;
        TForm_QLX700IRR_Manual form(context_.ui, context_.pump);
        const bool ticking = timerEnabled();
        setTimerEnabled(false);
        form.Show(*comm_, language());
        context_.ui.exec(form);
        setTimerEnabled(ticking);
    });
}
