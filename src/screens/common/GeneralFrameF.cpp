#include "screens/common/GeneralFrameF.h"

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
#include "device/EquipCommF.h"
#include "link/NetAddress.h"
#include "screens/common/GeneralFrameTexts.h"
#include "screens/common/PcClockSend.h"
#include "settings/ProgramVersion.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {
constexpr LangText kNumSerie{"Num. Serie: ", "Serial Num.: ", "Num. Serie: "};
constexpr LangText kNaoConectado{"Não Conectado", "Not Connected", "No Conectado"};
constexpr LangText kVersaoFirmware{"Versão do firmware: ", "Firmware version: ", "Versión de firmware: "};

constexpr unsigned kBlack = 0x000000;
constexpr unsigned kWhite = 0xFFFFFF;
constexpr unsigned kGrey = 0x808080;
constexpr unsigned kLightGreen = 0xC0DCC0;
constexpr std::size_t kMaxIpText = 20;

std::string twoDigits(int v)
{
    char text[8];
    std::snprintf(text, sizeof text, "%.2d", v % 100);
    return text;
}

} // namespace

TGeneralFrame::TGeneralFrame(GeneralFrameContext context, GeneralFrameModel model)
    : context_(std::move(context))
    , model_(std::move(model))
    , connect_(model_.connect, context_.ui, context_.pump, {context_.selectDeviceType, [this] { AtualizarTela(); }})
    , files_(context_.settings, context_.ui, context_.pump, context_.files, model_.loadOptions)
{
    drawPanels(false);
}

bool TGeneralFrame::connected() const { return comm_ != nullptr && comm_->connected(); }

int TGeneralFrame::deviceLanguage() const
{
    constexpr int kLanguageRegister = 1500;
    if (comm_ == nullptr || !comm_->received(kLanguageRegister))
        return -1;
    const int value = comm_->registerValue(kLanguageRegister);
    return value >= 0 && value < 3 ? value : -1;
}

void TGeneralFrame::sendDeviceLanguage(int index)
{
    if (updating_ || index < 0 || index > 2)
        return;
    userAction([this, index] {
        if (!connected())
            return;
        bool ok = comm_->writeRegister(1500, index, true);
        ok = comm_->flushQueuedWrites() && ok;
        if (!ok)
            context_.ui.showMessage(MessageKind::Error, geral::ErroEnvio.in(language_));
        AtualizarTela();
    });
}

void TGeneralFrame::AtivarFrame(TEquipComm& comm, int language)
{
    comm_ = &comm;
    SetIdioma(language);
}

void TGeneralFrame::SetIdioma(int language)
{
    language_ = ValidLanguage(language);
    languageChanged();
    // The panels' prefixes and the clock's day/month order change at once, not at the next tick.
    if (comm_ != nullptr)
        AtualizarTela();
}

std::string TGeneralFrame::number(const char* format, double value) const
{
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, format, value);
    std::string text(buffer);
    std::replace(text.begin(), text.end(), '.', decimalSeparator_);
    return text;
}

void TGeneralFrame::userAction(const std::function<void()>& action)
{
    if (comm_ == nullptr)
        return;
    LinkActivity& activity = comm_->activity();
    if (activity.active()) {
        if (activity.onlyTick())
            activity.whenIdle(LinkActivity::Key::UserAction, [this, action] { userAction(action); });
        return;
    }
    const LinkActivity::Hold hold(activity, LinkActivity::Kind::Action);
    action();
}

void TGeneralFrame::AtualizarTela()
{
    updating_ = true;
    const bool on = connected();
    drawPanels(on);
    drawModel(on);
    updating_ = false;
}

void TGeneralFrame::drawPanels(bool on)
{
    captions_ = generalFrameCaptions(language_, on, model_.usbToggles);
    general_.connected = on;
    general_.bbConectarVisible = !model_.usbToggles;
    general_.bbConectarUsbEnabled = model_.usbToggles || !on;
    general_.bbConectarIPEnabled = !on;
    general_.stale = on && failedTicks_ > 0;
    general_.staleMarker = general_.stale ? geral::SemResposta.in(language_) + twoDigits(lastGood_.hour) + ":"
                                                + twoDigits(lastGood_.minute) + ":" + twoDigits(lastGood_.second)
                                          : std::string();
    if (!on) {
        general_.pnRelogio.clear();
        general_.pnNumSerie = {kNaoConectado.in(language_), kGrey, false, kWhite};
        general_.pnVersaoFirmware = {"", kGrey, false, kBlack};
        return;
    }
    const RegisterImage& img = comm_->image();
    // Only what this connection really read: an unread clock stays blank.
    const Field& clock = img.clockField();
    if (img.receivedAll(clock)) {
        const bool english = language_ == 1;
        const int day = img.Relogio(3);
        const int month = img.Relogio(4);
        general_.pnRelogio = twoDigits(english ? month : day) + "/" + twoDigits(english ? day : month) + "/20"
            + twoDigits(img.Relogio(5)) + " " + twoDigits(img.Relogio(0)) + ":" + twoDigits(img.Relogio(1)) + ":"
            + twoDigits(img.Relogio(2));
    } else {
        general_.pnRelogio.clear();
    }
    const std::string serial = img.receivedAll(reg::common::SerialNumber) ? std::to_string(img.SerialNumber()) : "";
    general_.pnNumSerie = {kNumSerie.in(language_) + serial, kLightGreen, false, kBlack};
    const std::string firmware = img.received(reg::common::FirmwareVersion, 0)
        ? VersionToText(static_cast<std::uint16_t>(img.value(reg::common::FirmwareVersion)))
        : "";
    general_.pnVersaoFirmware = {kVersaoFirmware.in(language_) + firmware, 0, true, kBlack};
}

void TGeneralFrame::afterConnect(bool ok)
{
    failedTicks_ = 0;
    wasConnected_ = ok;
    lastGood_ = LocalNow();
    connectEnded(ok);
    AtualizarTela();
}

bool TGeneralFrame::ConectarSerial(const std::string& port, int address, bool serialButton,
                                   const SerialLinkSettings& settings)
{
    if (comm_ == nullptr)
        return false;
    // The connect road waits for the device: no refresh may read meanwhile.
    const LinkActivity::Hold hold(comm_->activity(), LinkActivity::Kind::Action);
    const bool ok = connect_.ConectarSerial(*comm_, language_, port, address, serialButton, settings);
    afterConnect(ok);
    return ok;
}

bool TGeneralFrame::ConectarIP(const std::string& deviceIp, const std::string& pcIp, bool tcp, std::uint16_t port)
{
    if (comm_ == nullptr)
        return false;
    const LinkActivity::Hold hold(comm_->activity(), LinkActivity::Kind::Action);
    const bool ok = connect_.ConectarIP(*comm_, language_, deviceIp, pcIp, tcp, port);
    afterConnect(ok);
    return ok;
}

void TGeneralFrame::Desconectar()
{
    wasConnected_ = false;
    failedTicks_ = 0;
    if (connected())
        comm_->close();
    AtualizarTela();
}

void TGeneralFrame::bbConectarClick(bool usbButton)
{
    if (comm_ == nullptr)
        return;
    if (connected()) {
        // Whatever runs, the link closes as soon as the transaction in flight ends.
        wasConnected_ = false;
        comm_->closeAfterTransaction();
        comm_->activity().whenIdle(LinkActivity::Key::Disconnect, [this] { Desconectar(); });
        return;
    }
    userAction([this, usbButton] {
        const int type = model_.connect.deviceType;
        TFormConectaCom dialog(usbButton, language_, context_.settings, type, context_.sources.serialPorts(),
                               context_.ui);
        context_.ui.exec(dialog);
        if (dialog.modalResult() == mrOk && !dialog.portPath().empty())
            ConectarSerial(dialog.portPath(), dialog.modbusAddress(), !usbButton, dialog.linkSettings());
    });
}

void TGeneralFrame::bbConectarIPClick()
{
    if (connected()) {
        bbConectarClick(false);
        return;
    }
    userAction([this] {
        const int type = model_.connect.deviceType;
        ConnectionSettings& last = context_.settings.record().connection(type);
        TFormEntraIP dialog(language_, context_.sources.localAddresses(), context_.sources.resolver(), context_.ui);
        dialog.prefill(context_.sources.networkDefaults(type, last));
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
    });
}

// The refresh's reads, stopping at the first failure and as soon as a user's click
// waits for the link. On the asynchronous link they go out as one flush.
TGeneralFrame::LiveRead TGeneralFrame::readLive()
{
    TEquipComm& c = *comm_;
    const std::vector<RegisterRun> runs = model_.liveReads(connect_.signature());
    if (c.asynchronous()) {
        for (const RegisterRun& run : runs)
            c.readRegisters(run.first, run.count, true);
        return c.flushQueuedReads(model_.liveFlushTimeout) ? LiveRead::Answered : LiveRead::Failed;
    }
    for (const RegisterRun& run : runs) {
        if (c.activity().hasPending())
            return LiveRead::Interrupted;
        if (!c.readRegisters(run.first, run.count, false, c.quickReadTimeout(run.count)))
            return LiveRead::Failed;
    }
    return LiveRead::Answered;
}

void TGeneralFrame::Timer1Timer()
{
    if (comm_ == nullptr || comm_->activity().active())
        return;
    bool lost = false;
    {
        const LinkActivity::Hold hold(comm_->activity(), LinkActivity::Kind::Tick);
        if (connected()) {
            const LiveRead read = readLive();
            if (read == LiveRead::Answered) {
                failedTicks_ = 0;
                lastGood_ = LocalNow();
            } else if (read == LiveRead::Failed && connected()) {
                // Clicks that wait meanwhile do not excuse a device that did not answer.
                lost = ++failedTicks_ >= kMaxFailedTicks;
            }
        } else {
            // The link went away under the page (a reset TCP connection).
            lost = wasConnected_;
        }
        if (lost) {
            comm_->close();
            wasConnected_ = false;
            failedTicks_ = 0;
        }
        AtualizarTela();
    }
    if (lost)
        linkLost();
}

void TGeneralFrame::linkLost()
{
    context_.ui.showMessage(MessageKind::Error, geral::EquipamentoDesconectado.in(language_));
}

void TGeneralFrame::bbAjustarRelogioComputadorClick(const LocalDateTime& now)
{
    userAction([this, now] {
        if (connected())
            sendPcClock(*comm_, context_.ui, language_, now);
    });
}

void TGeneralFrame::bbAjustarRelogioManualClick()
{
    userAction([this] {
        if (!connected())
            return;
        TFormAlterarRelogio dialog(*comm_, language_, context_.ui);
        context_.ui.exec(dialog);
    });
}

void TGeneralFrame::bbAlterarSenhaClick()
{
    userAction([this] {
        if (!connected())
            return;
        TFormTrocarSenha dialog(*comm_, language_, context_.ui);
        context_.ui.exec(dialog);
    });
}

void TGeneralFrame::bbAlterarIPClick()
{
    userAction([this] {
        if (!connected())
            return;
        TFormChangeIp dialog(*comm_, language_, context_.ui);
        context_.ui.exec(dialog);
    });
}

void TGeneralFrame::bbSalvarConfClick()
{
    userAction([this] {
        if (connected())
            files_.bbSalvarConfClick(*comm_, language_);
    });
}

void TGeneralFrame::bbCarregarConfClick()
{
    userAction([this] {
        if (connected())
            files_.bbCarregarConfClick(*comm_, language_);
    });
}
