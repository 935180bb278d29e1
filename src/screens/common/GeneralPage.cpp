#include "screens/common/GeneralPage.h"

#include "app/AppSettings.h"
#include "app/ChangeIpDialog.h"
#include "app/ChangePasswordDialog.h"
#include "app/ClockDialog.h"
#include "app/ConnectionSources.h"
#include "app/IpConnectDialog.h"
#include "app/LanguageText.h"
#include "app/ModalResult.h"
#include "app/SerialConnectDialog.h"
#include "app/SettingsSave.h"
#include "app/Ui.h"
#include "device/DeviceLink.h"
#include "link/NetAddress.h"
#include "screens/common/GeneralPageTexts.h"
#include "screens/common/PcClockSend.h"
#include "settings/ProgramVersion.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {
constexpr LangText kSerialNumberCaption{"Num. Serie: ", "Serial Num.: ", "Num. Serie: "};
constexpr LangText kNotConnectedCaption{"Não Conectado", "Not Connected", "No Conectado"};
constexpr LangText kFirmwareVersionCaption{"Versão do firmware: ", "Firmware version: ", "Versión de firmware: "};

constexpr unsigned kPanelBlack = 0x000000;
constexpr unsigned kPanelWhite = 0xFFFFFF;
constexpr unsigned kPanelGrey = 0x808080;
constexpr unsigned kPanelLightGreen = 0xC0DCC0;
constexpr std::size_t kMaxIpText = 20;

std::string lastTwoDigits(int v)
{
    char text[8];
    std::snprintf(text, sizeof text, "%.2d", v % 100);
    return text;
}

} // namespace

GeneralPage::GeneralPage(GeneralPageContext context, GeneralPageModel model)
    : context_(std::move(context))
    , model_(std::move(model))
    , connect_(model_.connect, context_.ui, context_.pump, {context_.selectDeviceType, [this] { redraw(); }})
    , files_(context_.settings, context_.ui, context_.pump, context_.files, model_.loadOptions)
{
    drawPanels(false);
}

bool GeneralPage::connected() const { return comm_ != nullptr && comm_->connected(); }

int GeneralPage::deviceLanguage() const
{
    constexpr int kLanguageRegister = 1500;
    if (comm_ == nullptr || !comm_->received(kLanguageRegister))
        return -1;
    const int value = comm_->registerValue(kLanguageRegister);
    return value >= 0 && value < 3 ? value : -1;
}

void GeneralPage::sendDeviceLanguage(int index)
{
    if (updating_ || index < 0 || index > 2)
        return;
    userAction([this, index] {
        if (!connected())
            return;
        bool ok = comm_->writeRegister(1500, index, true);
        ok = comm_->flushQueuedWrites() && ok;
        if (!ok)
            context_.ui.showMessage(MessageKind::Error, general::SendError.in(language_));
        redraw();
    });
}

void GeneralPage::activate(DeviceLink& comm, int language)
{
    comm_ = &comm;
    setLanguage(language);
}

void GeneralPage::setLanguage(int language)
{
    language_ = ValidLanguage(language);
    languageChanged();
    // The panels' prefixes and the clock's day/month order change at once, not at the next tick.
    if (comm_ != nullptr)
        redraw();
}

std::string GeneralPage::number(const char* format, double value) const
{
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, format, value);
    std::string text(buffer);
    std::replace(text.begin(), text.end(), '.', decimalSeparator_);
    return text;
}

void GeneralPage::userAction(const std::function<void()>& action)
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

void GeneralPage::redraw()
{
    updating_ = true;
    const bool on = connected();
    drawPanels(on);
    drawModel(on);
    updating_ = false;
}

void GeneralPage::drawPanels(bool on)
{
    captions_ = generalPageCaptions(language_, on, model_.usbToggles);
    general_.connected = on;
    general_.connectSerialButtonVisible = !model_.usbToggles;
    general_.connectUsbButtonEnabled = model_.usbToggles || !on;
    general_.connectIpButtonEnabled = !on;
    general_.stale = on && failedTicks_ > 0;
    general_.staleMarker = general_.stale
        ? general::NoAnswerSince.in(language_) + lastTwoDigits(lastGood_.hour) + ":" + lastTwoDigits(lastGood_.minute)
            + ":" + lastTwoDigits(lastGood_.second)
        : std::string();
    if (!on) {
        general_.clockText.clear();
        general_.serialNumberPanel = {kNotConnectedCaption.in(language_), kPanelGrey, false, kPanelWhite};
        general_.firmwareVersionPanel = {"", kPanelGrey, false, kPanelBlack};
        return;
    }
    const RegisterImage& img = comm_->image();
    // Only what this connection really read: an unread clock stays blank.
    const Field& clock = img.clockField();
    if (img.receivedAll(clock)) {
        const bool english = language_ == 1;
        const int day = img.Clock(3);
        const int month = img.Clock(4);
        general_.clockText = lastTwoDigits(english ? month : day) + "/" + lastTwoDigits(english ? day : month) + "/20"
            + lastTwoDigits(img.Clock(5)) + " " + lastTwoDigits(img.Clock(0)) + ":" + lastTwoDigits(img.Clock(1)) + ":"
            + lastTwoDigits(img.Clock(2));
    } else {
        general_.clockText.clear();
    }
    const std::string serial = img.receivedAll(reg::common::SerialNumber) ? std::to_string(img.SerialNumber()) : "";
    general_.serialNumberPanel = {kSerialNumberCaption.in(language_) + serial, kPanelLightGreen, false, kPanelBlack};
    const std::string firmware = img.received(reg::common::FirmwareVersion, 0)
        ? VersionToText(static_cast<std::uint16_t>(img.value(reg::common::FirmwareVersion)))
        : "";
    general_.firmwareVersionPanel = {kFirmwareVersionCaption.in(language_) + firmware, 0, true, kPanelBlack};
}

void GeneralPage::afterConnect(bool ok)
{
    failedTicks_ = 0;
    wasConnected_ = ok;
    lastGood_ = LocalNow();
    connectEnded(ok);
    redraw();
}

bool GeneralPage::connectSerial(const std::string& port, int address, bool serialButton,
                                const SerialLinkSettings& settings)
{
    if (comm_ == nullptr)
        return false;
    // The connect road waits for the device: no refresh may read meanwhile.
    const LinkActivity::Hold hold(comm_->activity(), LinkActivity::Kind::Action);
    const bool ok = connect_.connectSerial(*comm_, language_, port, address, serialButton, settings);
    afterConnect(ok);
    return ok;
}

bool GeneralPage::connectIp(const std::string& deviceIp, const std::string& pcIp, bool tcp, std::uint16_t port)
{
    if (comm_ == nullptr)
        return false;
    const LinkActivity::Hold hold(comm_->activity(), LinkActivity::Kind::Action);
    const bool ok = connect_.connectIp(*comm_, language_, deviceIp, pcIp, tcp, port);
    afterConnect(ok);
    return ok;
}

void GeneralPage::disconnect()
{
    wasConnected_ = false;
    failedTicks_ = 0;
    if (connected())
        comm_->close();
    redraw();
}

void GeneralPage::connectClicked(bool usbButton)
{
    if (comm_ == nullptr)
        return;
    if (connected()) {
        // Whatever runs, the link closes as soon as the transaction in flight ends.
        wasConnected_ = false;
        comm_->closeAfterTransaction();
        comm_->activity().whenIdle(LinkActivity::Key::Disconnect, [this] { disconnect(); });
        return;
    }
    userAction([this, usbButton] {
        const int type = model_.connect.deviceType;
        SerialConnectDialog dialog(usbButton, language_, context_.settings, type, context_.sources.serialPorts(),
                                   context_.ui);
        context_.ui.exec(dialog);
        if (dialog.modalResult() == mrOk && !dialog.portPath().empty())
            connectSerial(dialog.portPath(), dialog.modbusAddress(), !usbButton, dialog.linkSettings());
    });
}

void GeneralPage::connectIpClicked()
{
    if (connected()) {
        connectClicked(false);
        return;
    }
    userAction([this] {
        const int type = model_.connect.deviceType;
        ConnectionSettings& last = context_.settings.record().connection(type);
        IpConnectDialog dialog(language_, context_.sources.localAddresses(), context_.sources.resolver(), context_.ui);
        dialog.prefill(context_.sources.networkDefaults(type, last));
        context_.ui.exec(dialog);
        const int result = dialog.modalResult();
        if (result != mrOk && result != mrYes && result != mrUdp)
            return;
        const auto ipText = [](const std::string& text) {
            const auto first = text.find_first_not_of(' ');
            return first == std::string::npos ? std::string() : text.substr(first, kMaxIpText);
        };
        const std::string pcIp = ipText(dialog.computerIp());
        const std::string deviceIp = ipText(dialog.resultAddress());
        if (!dottedAddress(pcIp) || !dottedAddress(deviceIp)) {
            context_.ui.showMessage(MessageKind::Error, general::InvalidIp.in(language_));
            return;
        }
        last.LastDeviceIP = deviceIp;
        last.LastPCIP = dialog.computerIp();
        last.LastIPPort = dialog.resultPort();
        saveSettings(context_.settings, context_.ui, language_);
        connectIp(deviceIp, dialog.computerIp(), result != mrUdp, static_cast<std::uint16_t>(dialog.resultPort()));
    });
}

// The refresh's reads, stopping at the first failure and as soon as a user's click
// waits for the link. On the asynchronous link they go out as one flush.
GeneralPage::LiveRead GeneralPage::readLive()
{
    DeviceLink& c = *comm_;
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

void GeneralPage::tick()
{
    // A refresh that finds the link taken is skipped: a busy link is no silent device.
    if (comm_ == nullptr || comm_->activity().active() || comm_->busy())
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
            // The link went away under the page (a reset TCP connection). A link the
            // tool closed itself, as when another model was chosen, is no news.
            lost = wasConnected_ && !comm_->closedOnRequest();
            wasConnected_ = false;
        }
        if (lost) {
            comm_->close();
            wasConnected_ = false;
            failedTicks_ = 0;
        }
        redraw();
    }
    if (lost)
        linkLost();
}

void GeneralPage::linkLost()
{
    context_.ui.showMessage(MessageKind::Error, general::DeviceDisconnected.in(language_));
}

void GeneralPage::adjustClockFromPcClicked(const LocalDateTime& now)
{
    userAction([this, now] {
        if (connected())
            sendPcClock(*comm_, context_.ui, language_, now);
    });
}

void GeneralPage::adjustClockManuallyClicked()
{
    userAction([this] {
        if (!connected())
            return;
        ClockDialog dialog(*comm_, language_, context_.ui);
        context_.ui.exec(dialog);
    });
}

void GeneralPage::changePasswordClicked()
{
    userAction([this] {
        if (!connected())
            return;
        ChangePasswordDialog dialog(*comm_, language_, context_.ui);
        context_.ui.exec(dialog);
    });
}

void GeneralPage::changeIpClicked()
{
    userAction([this] {
        if (!connected())
            return;
        ChangeIpDialog dialog(*comm_, language_, context_.ui);
        context_.ui.exec(dialog);
    });
}

void GeneralPage::saveConfigurationClicked()
{
    userAction([this] {
        if (connected())
            files_.saveConfigurationClicked(*comm_, language_);
    });
}

void GeneralPage::loadConfigurationClicked()
{
    userAction([this] {
        if (connected())
            files_.loadConfigurationClicked(*comm_, language_);
    });
}
