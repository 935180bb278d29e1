#include "screens/common/ConnectFlow.h"

#include "app/ModalResult.h"
#include "app/PasswordDialog.h"
#include "app/Ui.h"
#include "device/DeviceLink.h"
#include "device/PasswordCheck.h"
#include "link/LinkError.h"
#include "link/SerialOpenError.h"
#include "screens/common/GeneralPageTexts.h"
#include "settings/ProgramVersion.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace {
constexpr int kSignatureRegister = 2002;
constexpr int kLanguageRegister = 1500;
constexpr int kRequiredVersionRegister = 2001;
constexpr int kNetworkNoticeWidth = 600;
constexpr Seconds kTcpPollStep{0.1};
} // namespace

ConnectFlow::ConnectFlow(ConnectModel model, Ui& ui, EventPump& pump, Hooks hooks)
    : model_(std::move(model))
    , ui_(ui)
    , pump_(pump)
    , hooks_(std::move(hooks))
{
}

bool ConnectFlow::fail(DeviceLink& comm, const std::string& text)
{
    comm.close();
    notice_.reset();
    if (!text.empty())
        ui_.showMessage(MessageKind::Error, text);
    return false;
}

bool ConnectFlow::connectSerial(DeviceLink& comm, int language, const std::string& port, int address,
                                bool serialButton, const SerialLinkSettings& settings)
{
    notice_.emplace(ui_, general::Connecting.in(language));
    comm.setSlaveAddress(address);
    comm.setDeviceType(model_.deviceType);
    if (!comm.openSerial(port, settings, serialButton))
        return fail(comm, general::AccessError.in(language) + "\n" + port + ": "
                              + describeSerialOpenError(comm.lastSerialOpenError(), settings));

    notice_->setMessage(general::StillConnecting.in(language));
    if (model_.serialPresence && !presence(comm, language, model_.serialPresence->beforeSignature))
        return false;
    return identify(comm, language, true);
}

bool ConnectFlow::presence(DeviceLink& comm, int language, const RegisterRun& run)
{
    if (comm.readRegisters(run.first, run.count))
        return true;
    return fail(comm, model_.serialPresence->message.in(language) + "\n" + describeLinkError(comm.lastError()));
}

bool ConnectFlow::connectIp(DeviceLink& comm, int language, const std::string& deviceIp, const std::string& pcIp,
                            bool tcp, std::uint16_t port)
{
    notice_.emplace(ui_, general::Connecting.in(language), kNetworkNoticeWidth);
    comm.setDeviceType(model_.deviceType);
    const bool opened = tcp ? comm.openTcp(deviceIp, pcIp, port) && waitTcpConnect(comm, language)
                            : comm.openUdp(deviceIp, pcIp, port);
    if (!opened || !comm.connected()) {
        const int error = comm.lastSocketError();
        const std::string cause = error != 0 ? std::string(std::strerror(error))
            : tcp ? "no answer within " + std::to_string(static_cast<long>(kTcpConnectLimit.count())) + " s"
                  : "the network link could not be opened";
        return fail(comm,
                    general::AccessError.in(language) + "\n" + deviceIp + ":" + std::to_string(port) + ": " + cause);
    }

    notice_->setMessage(general::StillConnecting.in(language));
    if (!comm.readRegisters(kLanguageRegister, 1))
        return fail(comm, general::IpNoAnswer.in(language) + "\n" + describeLinkError(comm.lastError()));
    return identify(comm, language, false);
}

bool ConnectFlow::identify(DeviceLink& comm, int language, bool serial)
{
    if (!comm.readRegisters(kSignatureRegister, 1))
        return fail(comm, general::NoSignature.in(language) + "\n" + describeLinkError(comm.lastError()));
    const int signature = comm.registerValue(kSignatureRegister);
    return checkSignature(comm, language, signature, serial) && finishConnect(comm, language, signature, serial);
}

// The connection completes with a socket event. An event that carries an error
// ends the wait at once; so does the limit.
bool ConnectFlow::waitTcpConnect(DeviceLink& comm, int language)
{
    const Deadline start = LinkClock::now();
    const Deadline limit = start + std::chrono::duration_cast<LinkClock::duration>(tcpLimit_);
    const auto settled = [&] { return comm.connected() || comm.lastSocketError() != 0; };
    while (!settled() && LinkClock::now() < limit) {
        const double elapsed = std::chrono::duration<double>(LinkClock::now() - start).count();
        notice_->setMessage(general::Connecting.in(language) + "  (" +
                            std::to_string(static_cast<long>(std::lround(elapsed))) + "s (max 20s))");
        pump_.runUntil(settled, std::min(deadlineAfter(kTcpPollStep), limit));
    }
    return comm.connected();
}

bool ConnectFlow::checkSignature(DeviceLink& comm, int language, int signature, bool serial)
{
    if (signature == model_.signature || (serial && signature == model_.serialVariant)) {
        signature_ = signature;
        return true;
    }
    for (const SignatureSwitch& s : model_.switches) {
        if (s.signature == signature) {
            fail(comm, s.message.in(language));
            if (hooks_.selectDeviceType)
                hooks_.selectDeviceType(s.selectorIndex);
            return false;
        }
    }
    return fail(comm, general::InvalidSignature.in(language));
}

bool ConnectFlow::finishConnect(DeviceLink& comm, int language, int signature, bool serial)
{
    // Results of the other reads are ignored: the live refresh retries them. The
    // password letters must come from this device.
    // A device that does not give its password letters is not waited on further.
    const std::string silent = (serial ? general::NoSignature : general::IpNoAnswer).in(language);
    const auto silence = [&] { return silent + "\n" + describeLinkError(comm.lastError()); };
    if (serial && model_.serialPresence && !presence(comm, language, model_.serialPresence->afterSignature))
        return false;
    if (model_.afterSignature && !model_.afterSignature(comm))
        return fail(comm, silence());
    bool passwordRead = false;
    for (const RegisterRun& run : model_.initialReads(signature, serial)) {
        const bool ok = comm.readRegisters(run.first, run.count, true);
        if (run.first == kPasswordRegister) {
            if (!ok)
                return fail(comm, silence());
            passwordRead = true;
        }
    }
    if (!comm.flushQueuedReads() || !passwordRead)
        return fail(comm, silence());

    notice_.reset();
    PasswordDialog passwordDialog(language);
    ui_.exec(passwordDialog);
    if (passwordDialog.modalResult() != mrOk)
        return fail(comm, "");
    if (!passwordMatches(comm.image(), passwordDialog.password()))
        return fail(comm, general::WrongPassword.in(language));

    if (hooks_.connected)
        hooks_.connected();
    const auto required = static_cast<std::uint16_t>(comm.registerValue(kRequiredVersionRegister));
    if (GetProgramVersion() < required)
        ui_.showMessage(MessageKind::Warning, general::SoftwareTooOld.in(language) + VersionToText(required));
    return true;
}
