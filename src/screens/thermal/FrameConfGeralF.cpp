#include "screens/thermal/FrameConfGeralF.h"

#include "app/AppSettings.h"
#include "app/ConnectionSources.h"
#include "app/FormAlterarRelogioF.h"
#include "app/FormChangeIpF.h"
#include "app/FormConectaComF.h"
#include "app/FormEntraIPF.h"
#include "app/FormTrocarSenhaF.h"
#include "app/LanguageText.h"
#include "app/ModalResult.h"
#include "app/SettingsSave.h"
#include "app/Ui.h"
#include "device/BusyHold.h"
#include "device/DeviceType.h"
#include "device/EquipCommF.h"
#include "link/NetAddress.h"
#include "screens/common/GeneralFrameTexts.h"
#include "screens/common/PcClockSend.h"
#include "screens/thermal/FormDetectFalhaParamF.h"
#include "screens/thermal/FrameConfGeralModel.h"
#include "screens/thermal/ThermalLive.h"
#include "screens/thermal/ThermalUi.h"
#include "settings/ProgramVersion.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {
constexpr LangText kNumSerie{"Num. Serie: ", "Serial Num.: ", "Num. Serie: "};
constexpr LangText kNaoConectado{"Não Conectado", "Not Connected", "No Conectado"};
constexpr LangText kVersaoFirmware{"Versão do firmware: ", "Firmware version: ", "Versión de firmware: "};

constexpr unsigned kRed = 0xFF0000;
constexpr unsigned kBlack = 0x000000;
constexpr unsigned kWhite = 0xFFFFFF;
constexpr unsigned kGrey = 0x808080;
constexpr unsigned kLightGreen = 0xC0DCC0;
constexpr std::size_t kMaxIpText = 20;
// A late reply must not hold the window for long; the next tick asks again.
constexpr Seconds kTimerFlushTimeout{0.1};

int selectIndex(int value, int items) { return std::clamp(value, 0, items - 1); }

} // namespace

TFrameConfGeral::TFrameConfGeral(GeneralFrameContext context, ThermalUi& thermalUi)
    : context_(std::move(context))
    , thermalUi_(thermalUi)
    , connect_(thermalConnectModel(), context_.ui, context_.pump,
               {context_.selectDeviceType, [this] { AtualizarTela(); }})
    , files_(context_.settings, context_.ui, context_.pump, context_.files, ConfigLoadOptions{})
    , testeValores_(context_.ui)
{
    captions_ = frameConfGeralCaptions(language_, false);
}

bool TFrameConfGeral::connected() const { return comm_ != nullptr && comm_->connected(); }

void TFrameConfGeral::AtivarFrame(TEquipComm& comm, int language)
{
    comm_ = &comm;
    SetIdioma(language);
    AtualizarTela();
}

void TFrameConfGeral::SetIdioma(int language)
{
    language_ = ValidLanguage(language);
    captions_ = frameConfGeralCaptions(language_, connected());
    testeValores_.SetIdioma(language_);
    // The panels' prefixes and the clock's day/month order change at once, not at the next tick.
    if (comm_ != nullptr)
        AtualizarTela();
}

std::string TFrameConfGeral::number(const char* format, double value) const
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, format, value);
    std::string text(buffer);
    std::replace(text.begin(), text.end(), '.', decimalSeparator_);
    return text;
}

void TFrameConfGeral::AtualizarTela()
{
    updating_ = true;
    const auto& names = context_.settings.record().RelayNames;
    for (int i = 0; i < kRelayCount; ++i) {
        if (i != focusedEdit_)
            state_.edRele[static_cast<std::size_t>(i)] = names[static_cast<std::size_t>(i)];
    }
    const bool on = connected();
    state_.connected = on;
    state_.edReleEnabled = on;
    state_.bbConectarUsbEnabled = !on;
    state_.bbConectarIPEnabled = !on;
    if (on)
        showConnected();
    else {
        state_.rgVisualizacao = state_.rgFreqOperacao = state_.rgIdioma = -1;
        state_.medidas = {};
        state_.medidasEnrolamento = {};
        state_.relays = {};
        state_.pnRelogio.clear();
        state_.pnNumSerie = {kNaoConectado.in(language_), kGrey, false, kWhite};
        state_.pnVersaoFirmware = {"", kGrey, false, kBlack};
    }
    captions_.bbConectar = frameConfGeralCaptions(language_, on).bbConectar;
    updating_ = false;
}

void TFrameConfGeral::showConnected()
{
    const TEquipComm& c = *comm_;
    state_.rgVisualizacao = selectIndex(c.registerValue(201), 3);
    state_.rgFreqOperacao = selectIndex(c.registerValue(211), 2);
    state_.rgIdioma = selectIndex(c.registerValue(1500), 3);
    const ThermalLive live = thermalLive(c);
    for (std::size_t i = 0; i < state_.medidas.size(); ++i)
        state_.medidas[i] = {number("%.1fºC", live.rtdCelsius[i]), number("%.1f ohms", live.rtdOhms[i])};
    for (std::size_t i = 0; i < state_.medidasEnrolamento.size(); ++i) {
        state_.medidasEnrolamento[i] = {number("%.1fºC", live.windingCelsius[i]),
                                        number("%.2f A", live.windingAmps[i]),
                                        number("%.1f %%", live.windingPercent[i])};
    }
    for (std::size_t i = 0; i < state_.relays.size(); ++i) {
        const bool closed = live.relayClosed[i];
        state_.relays[i].lamp = closed ? kRed : kBlack;
        state_.relays[i].picture = closed ? FrameConfGeralState::Contact::Closed : FrameConfGeralState::Contact::Open;
    }
    const bool english = language_ == 1;
    const auto& t = live.clock; // hour, minute, second, day, month, year - 2000
    char clock[64];
    std::snprintf(clock, sizeof clock, "%.2d/%.2d/20%.2d %.2d:%.2d:%.2d", english ? t[4] : t[3], english ? t[3] : t[4],
                  t[5], t[0], t[1], t[2]);
    state_.pnRelogio = clock;
    const std::uint32_t serial = (static_cast<std::uint32_t>(c.registerValue(2501)) & 0xFFFFu) |
                                 ((static_cast<std::uint32_t>(c.registerValue(2502)) << 16) & 0x7FFF0000u);
    state_.pnNumSerie = {kNumSerie.in(language_) + std::to_string(serial), kLightGreen, false, kBlack};
    state_.pnVersaoFirmware = {
        kVersaoFirmware.in(language_) + VersionToText(static_cast<std::uint16_t>(c.registerValue(2000))), 0, true,
        kBlack};
}

void TFrameConfGeral::EnviarAjustes()
{
    if (updating_ || !connected())
        return;
    const BusyHold hold(busy_);
    auto& names = context_.settings.record().RelayNames;
    if (!std::equal(names.begin(), names.end(), state_.edRele.begin())) {
        std::copy(state_.edRele.begin(), state_.edRele.end(), names.begin());
        saveSettings(context_.settings, context_.ui, language_);
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
        context_.ui.showMessage(MessageKind::Error, geral::ErroEnvio.in(language_));
}

void TFrameConfGeral::rgVisualizacaoClick(int index)
{
    state_.rgVisualizacao = index;
    EnviarAjustes();
}

void TFrameConfGeral::rgFreqOperacaoClick(int index)
{
    state_.rgFreqOperacao = index;
    EnviarAjustes();
}

void TFrameConfGeral::rgIdiomaClick(int index)
{
    state_.rgIdioma = index;
    EnviarAjustes();
}

void TFrameConfGeral::afterConnect(bool ok)
{
    if (connect_.signature() == kSignatureTMembrane)
        state_.BitBtn1Visible = true;
    if (!ok)
        AtualizarTela();
    captions_.bbConectar = frameConfGeralCaptions(language_, connected()).bbConectar;
}

bool TFrameConfGeral::ConectarSerial(const std::string& port, int address, bool serialButton,
                                     const SerialLinkSettings& settings)
{
    if (comm_ == nullptr)
        return false;
    const BusyHold hold(busy_);
    const bool ok = connect_.ConectarSerial(*comm_, language_, port, address, serialButton, settings);
    afterConnect(ok);
    return ok;
}

bool TFrameConfGeral::ConectarIP(const std::string& deviceIp, const std::string& pcIp, bool tcp, std::uint16_t port)
{
    if (comm_ == nullptr)
        return false;
    const BusyHold hold(busy_);
    const bool ok = connect_.ConectarIP(*comm_, language_, deviceIp, pcIp, tcp, port);
    afterConnect(ok);
    return ok;
}

void TFrameConfGeral::Desconectar()
{
    if (connected())
        comm_->close();
    AtualizarTela();
}

void TFrameConfGeral::bbConectarClick(bool usbButton)
{
    const BusyHold hold(busy_);
    if (connected()) {
        Desconectar();
        return;
    }
    TFormConectaCom dialog(usbButton, language_, context_.settings, kQLX700T, context_.sources.serialPorts(),
                           context_.ui);
    context_.ui.exec(dialog);
    if (dialog.modalResult() == mrOk && !dialog.portPath().empty())
        ConectarSerial(dialog.portPath(), dialog.modbusAddress(), !usbButton, dialog.linkSettings());
}

void TFrameConfGeral::bbConectarIPClick()
{
    const BusyHold hold(busy_);
    if (connected()) {
        Desconectar();
        return;
    }
    ConnectionSettings& last = context_.settings.record().connection(kQLX700T);
    TFormEntraIP dialog(language_, context_.sources.localAddresses(), context_.sources.resolver(), context_.ui);
    dialog.prefill(context_.sources.networkDefaults(kQLX700T, last));
    context_.ui.exec(dialog);
    const int result = dialog.modalResult();
    if (result != mrOk && result != mrYes && result != mrUdp)
        return;
    const auto ipText = [](const std::string& text) {
        const auto first = text.find_first_not_of(' ');
        return first == std::string::npos ? std::string() : text.substr(first, kMaxIpText);
    };
    const std::string pcIp = ipText(dialog.pcIpText());
    const std::string deviceIp = ipText(dialog.resultAddress());
    if (!dottedAddress(pcIp) || !dottedAddress(deviceIp)) {
        context_.ui.showMessage(MessageKind::Error, geral::IpInvalido.in(language_));
        return;
    }
    last.LastDeviceIP = deviceIp;
    last.LastPCIP = dialog.pcIpText();
    last.LastIPPort = dialog.resultPort();
    saveSettings(context_.settings, context_.ui, language_);
    ConectarIP(deviceIp, dialog.pcIpText(), result != mrUdp, static_cast<std::uint16_t>(dialog.resultPort()));
}

void TFrameConfGeral::Timer1Timer()
{
    if (busy_)
        return;
    const BusyHold hold(busy_);
    if (connected()) {
        if (connect_.signature() == kSignatureTMembrane) {
            comm_->readRegisters(510, 2);
        } else {
            readThermalLive(*comm_, kTimerFlushTimeout);
        }
    }
    AtualizarTela();
}

void TFrameConfGeral::bbAjustarRelogioComputadorClick(const LocalDateTime& now)
{
    const BusyHold hold(busy_);
    if (connected())
        sendPcClock(*comm_, context_.ui, language_, now);
}

void TFrameConfGeral::bbAjustarRelogioManualClick()
{
    if (!connected())
        return;
    const BusyHold hold(busy_);
    TFormAlterarRelogio dialog(*comm_, language_, context_.ui);
    context_.ui.exec(dialog);
}

void TFrameConfGeral::bbAlterarSenhaClick()
{
    if (!connected())
        return;
    const BusyHold hold(busy_);
    TFormTrocarSenha dialog(*comm_, language_, context_.ui);
    context_.ui.exec(dialog);
}

void TFrameConfGeral::bbAlterarIPClick()
{
    if (!connected())
        return;
    const BusyHold hold(busy_);
    TFormChangeIp dialog(*comm_, language_, context_.ui);
    context_.ui.exec(dialog);
}

void TFrameConfGeral::BitBtn1Click()
{
    if (!connected())
        return;
    const BusyHold hold(busy_);
    TFormDetectFalhaParam form(context_.settings, context_.ui, context_.files);
    form.Ativar(*comm_, language_);
    const bool ticking = timerEnabled_;
    timerEnabled_ = false;
    thermalUi_.exec(form);
    timerEnabled_ = ticking;
}

void TFrameConfGeral::bbSalvarConfClick()
{
    const BusyHold hold(busy_);
    if (connected())
        files_.bbSalvarConfClick(*comm_, language_);
}

void TFrameConfGeral::bbCarregarConfClick()
{
    const BusyHold hold(busy_);
    if (connected())
        files_.bbCarregarConfClick(*comm_, language_);
}
