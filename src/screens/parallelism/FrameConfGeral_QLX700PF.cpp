#include "screens/parallelism/FrameConfGeral_QLX700PF.h"

#include "app/LanguageText.h"
#include "app/Ui.h"
#include "device/EquipCommF.h"
#include "screens/common/GeneralFrameTexts.h"
#include "screens/parallelism/FrameConfGeral_QLX700PModel.h"
#include "screens/parallelism/ParallelismLive.h"

#include <utility>

namespace {
constexpr int kManualRelay = 603;

constexpr LangText kNaoMestre{"Não está no modo mestre ou individual.", "Not in master or individual mode",
                              "No es maestro o individual"};
constexpr LangText kErroAtivo{"Algum erro está ativo. O comando não será executado.",
                              "An error is active. The command will not be executed.",
                              "Un error está activo. El comando no se ejecutará."};
constexpr LangText kAutomatico{"O equipamento está no modo automático. O comando não será executado.",
                               "The device is in automatic mode. The command will not be executed.",
                               "El dispositivo está en modo automático. El comando no se ejecutará."};
constexpr LangText kComandoEnviado{"Comando enviado", "Command sent", "Comando enviado"};
} // namespace

TFrameConfGeral_QLX700P::TFrameConfGeral_QLX700P(GeneralFrameContext context)
    : TGeneralFrame(std::move(context), parallelismGeneralFrameModel([this] { return comm_; }))
    , captions_(frameConfGeral_QLX700PCaptions(language()))
{
}

void TFrameConfGeral_QLX700P::languageChanged() { captions_ = frameConfGeral_QLX700PCaptions(language()); }

void TFrameConfGeral_QLX700P::drawModel(bool on)
{
    if (!on) {
        state_ = {};
        return;
    }
    const TEquipComm& c = *comm_;
    const ParallelismLive live = parallelismLive(c);
    state_.medidas[0] = live.position ? std::to_string(*live.position) : "";
    state_.medidas[1] = live.expected ? std::to_string(*live.expected) : "";
    state_.medidas[2] = live.mode ? captions_.modes[static_cast<std::size_t>(*live.mode >= 0 && *live.mode <= 3 ? *live.mode : 4)] : "";
    for (int g = 0; g < 5; ++g) {
        const auto& bits = live.errors[static_cast<std::size_t>(g)];
        state_.medidas[static_cast<std::size_t>(3 + g)] = bits ? parallelismErrorText(captions_, g, *bits) : "";
    }
    for (std::size_t i = 0; i < state_.relays.size(); ++i)
        state_.relays[i] = live.relayClosed[i] ? RelayLamp::closedIf(*live.relayClosed[i]) : RelayLamp{};
    state_.relayLabels = captions_.relayLabels;
    for (std::size_t i = 0; i < 3; ++i) {
        const auto& function = live.relayFunctions[i];
        // A function the device does not have leaves the label blank.
        state_.relayLabels[6 + i] =
            function && *function >= 0 && *function <= 9 ? captions_.relayFunctions[static_cast<std::size_t>(*function / 2)] : "";
    }
    state_.relayLabelsVisible = true;
    state_.rgIdioma = deviceLanguage();
}

// The device moves only in master or individual mode, in manual mode (relay 3) and
// with no communication, configuration, position or synchronism error; the checks
// use what this connection read, so a value never received refuses the command.
void TFrameConfGeral_QLX700P::positionCommand(int code)
{
    userAction([this, code] {
        if (!connected())
            return;
        const TEquipComm& c = *comm_;
        const ParallelismLive live = parallelismLive(c);
        Ui& ui = context_.ui;
        if (!live.mode || (*live.mode != 0 && *live.mode != 2)) {
            ui.showMessage(MessageKind::Error, kNaoMestre.in(language()));
            return;
        }
        if (!c.received(kManualRelay) || c.registerValue(kManualRelay) == 0) {
            ui.showMessage(MessageKind::Error, kAutomatico.in(language()));
            return;
        }
        for (std::size_t g = 0; g < 4; ++g) {
            if (!live.errors[g] || *live.errors[g] != 0) {
                ui.showMessage(MessageKind::Error, kErroAtivo.in(language()));
                return;
            }
        }
        if (comm_->sendCommand(code))
            ui.showMessage(MessageKind::Information, kComandoEnviado.in(language()));
        else
            ui.showMessage(MessageKind::Error, geral::ErroEnvio.in(language()));
    });
}
