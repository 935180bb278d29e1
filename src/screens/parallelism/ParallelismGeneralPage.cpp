#include "screens/parallelism/ParallelismGeneralPage.h"

#include "app/LanguageText.h"
#include "app/Ui.h"
#include "device/DeviceLink.h"
#include "screens/common/GeneralPageTexts.h"
#include "screens/parallelism/ParallelismGeneralPageModel.h"
#include "screens/parallelism/ParallelismLive.h"

#include <utility>

namespace {
constexpr int kManualRelay = 603;

constexpr LangText kNotMasterOrIndividual{"Não está no modo mestre ou individual.", "Not in master or individual mode",
                                          "No es maestro o individual"};
constexpr LangText kErrorActive{"Algum erro está ativo. O comando não será executado.",
                                "An error is active. The command will not be executed.",
                                "Un error está activo. El comando no se ejecutará."};
constexpr LangText kAutomaticMode{"O equipamento está no modo automático. O comando não será executado.",
                                  "The device is in automatic mode. The command will not be executed.",
                                  "El dispositivo está en modo automático. El comando no se ejecutará."};
constexpr LangText kCommandSent{"Comando enviado", "Command sent", "Comando enviado"};
} // namespace

ParallelismGeneralPage::ParallelismGeneralPage(GeneralPageContext context)
    : GeneralPage(std::move(context), parallelismGeneralPageModel([this] { return comm_; }))
    , captions_(parallelismGeneralPageCaptions(language()))
{
}

void ParallelismGeneralPage::languageChanged() { captions_ = parallelismGeneralPageCaptions(language()); }

void ParallelismGeneralPage::drawModel(bool on)
{
    if (!on) {
        state_ = {};
        return;
    }
    const DeviceLink& c = *comm_;
    const ParallelismLive live = parallelismLive(c);
    state_.measurements[0] = live.position ? std::to_string(*live.position) : "";
    state_.measurements[1] = live.expected ? std::to_string(*live.expected) : "";
    state_.measurements[2] = live.mode ? captions_.modes[static_cast<std::size_t>(*live.mode >= 0 && *live.mode <= 3 ? *live.mode : 4)] : "";
    for (int g = 0; g < 5; ++g) {
        const auto& bits = live.errors[static_cast<std::size_t>(g)];
        state_.measurements[static_cast<std::size_t>(3 + g)] = bits ? parallelismErrorText(captions_, g, *bits) : "";
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
    state_.deviceLanguage = deviceLanguage();
}

// The device moves only in master or individual mode, in manual mode (relay 3) and
// with no communication, configuration, position or synchronism error; the checks
// use what this connection read, so a value never received refuses the command.
void ParallelismGeneralPage::positionCommand(int code)
{
    userAction([this, code] {
        if (!connected())
            return;
        const DeviceLink& c = *comm_;
        const ParallelismLive live = parallelismLive(c);
        Ui& ui = context_.ui;
        if (!live.mode || (*live.mode != 0 && *live.mode != 2)) {
            ui.showMessage(MessageKind::Error, kNotMasterOrIndividual.in(language()));
            return;
        }
        if (!c.received(kManualRelay) || c.registerValue(kManualRelay) == 0) {
            ui.showMessage(MessageKind::Error, kAutomaticMode.in(language()));
            return;
        }
        for (std::size_t g = 0; g < 4; ++g) {
            if (!live.errors[g] || *live.errors[g] != 0) {
                ui.showMessage(MessageKind::Error, kErrorActive.in(language()));
                return;
            }
        }
        if (comm_->sendCommand(code))
            ui.showMessage(MessageKind::Information, kCommandSent.in(language()));
        else
            ui.showMessage(MessageKind::Error, general::SendError.in(language()));
    });
}
