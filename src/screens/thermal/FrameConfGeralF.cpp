#include "screens/thermal/FrameConfGeralF.h"

#include "app/AppSettings.h"
#include "app/SettingsSave.h"
#include "app/Ui.h"
#include "device/DeviceType.h"
#include "device/EquipCommF.h"
#include "screens/common/GeneralFrameTexts.h"
#include "screens/thermal/FormDetectFalhaParamF.h"
#include "screens/thermal/FrameConfGeralModel.h"
#include "screens/thermal/ThermalLive.h"

#include <algorithm>
#include <utility>

namespace {

int selectIndex(int value, int items) { return std::clamp(value, 0, items - 1); }

} // namespace

TFrameConfGeral::TFrameConfGeral(GeneralFrameContext context)
    : TGeneralFrame(std::move(context), thermalGeneralFrameModel())
    , testeValores_(context_.ui)
{
    captions_ = frameConfGeralCaptions(language());
}

void TFrameConfGeral::languageChanged()
{
    captions_ = frameConfGeralCaptions(language());
    testeValores_.SetIdioma(language());
}

void TFrameConfGeral::connectEnded(bool)
{
    if (connectFlow().signature() == kSignatureTMembrane)
        state_.BitBtn1Visible = true;
}

std::string TFrameConfGeral::cell(const char* format, const std::optional<double>& value) const
{
    return value ? number(format, *value) : std::string();
}

void TFrameConfGeral::drawModel(bool on)
{
    const auto& names = context_.settings.record().RelayNames;
    for (int i = 0; i < kRelayCount; ++i) {
        if (i != focusedEdit_)
            state_.edRele[static_cast<std::size_t>(i)] = names[static_cast<std::size_t>(i)];
    }
    state_.edReleEnabled = on;
    if (!on) {
        state_.rgVisualizacao = state_.rgFreqOperacao = state_.rgIdioma = -1;
        state_.medidas = {};
        state_.medidasEnrolamento = {};
        state_.relays = {};
        return;
    }
    const TEquipComm& c = *comm_;
    const auto selection = [&](int reg, int items) { return c.received(reg) ? selectIndex(c.registerValue(reg), items) : -1; };
    state_.rgVisualizacao = selection(201, 3);
    state_.rgFreqOperacao = selection(211, 2);
    state_.rgIdioma = selection(1500, 3);
    const ThermalLive live = thermalLive(c);
    for (std::size_t i = 0; i < state_.medidas.size(); ++i)
        state_.medidas[i] = {cell("%.1fºC", live.rtdCelsius[i]), cell("%.1f ohms", live.rtdOhms[i])};
    for (std::size_t i = 0; i < state_.medidasEnrolamento.size(); ++i) {
        state_.medidasEnrolamento[i] = {cell("%.1fºC", live.windingCelsius[i]), cell("%.2f A", live.windingAmps[i]),
                                        cell("%.1f %%", live.windingPercent[i])};
    }
    for (std::size_t i = 0; i < state_.relays.size(); ++i)
        state_.relays[i] = live.relayClosed[i] ? RelayLamp::closedIf(*live.relayClosed[i]) : RelayLamp{};
}

void TFrameConfGeral::EnviarAjustes()
{
    if (updating() || !connected())
        return;
    auto& names = context_.settings.record().RelayNames;
    if (!std::equal(names.begin(), names.end(), state_.edRele.begin())) {
        std::copy(state_.edRele.begin(), state_.edRele.end(), names.begin());
        saveSettings(context_.settings, context_.ui, language());
    }
    bool ok = true;
    const std::pair<int, int> settings[] = {
        {201, state_.rgVisualizacao}, {211, state_.rgFreqOperacao}, {1500, state_.rgIdioma}};
    for (const auto& [reg, index] : settings) {
        if (index >= 0)
            ok = comm_->writeRegister(reg, index, true) && ok;
    }
    ok = comm_->flushQueuedWrites() && ok;
    if (!ok)
        context_.ui.showMessage(MessageKind::Error, geral::ErroEnvio.in(language()));
    // A refused value must not stay selected: show what the device holds.
    AtualizarTela();
}

void TFrameConfGeral::settingClick(int FrameConfGeralState::*group, int index)
{
    if (updating())
        return;
    userAction([this, group, index] {
        state_.*group = index;
        EnviarAjustes();
    });
}

void TFrameConfGeral::rgVisualizacaoClick(int index) { settingClick(&FrameConfGeralState::rgVisualizacao, index); }
void TFrameConfGeral::rgFreqOperacaoClick(int index) { settingClick(&FrameConfGeralState::rgFreqOperacao, index); }
void TFrameConfGeral::rgIdiomaClick(int index) { settingClick(&FrameConfGeralState::rgIdioma, index); }

void TFrameConfGeral::edRele1Exit()
{
    // The names typed so far go with the action, whenever it runs.
    const auto names = state_.edRele;
    userAction([this, names] {
        state_.edRele = names;
        EnviarAjustes();
    });
}

void TFrameConfGeral::BitBtn1Click()
{
    userAction([this] {
        if (!connected())
            return;
        TFormDetectFalhaParam form(context_.settings, context_.ui, context_.files);
        form.Ativar(*comm_, language());
        const bool ticking = timerEnabled();
        setTimerEnabled(false);
        context_.ui.exec(form);
        setTimerEnabled(ticking);
    });
}
