#include "CtlSession.h"

#include "LinkFailureReason.h"
#include "device/DeviceModel.h"
#include "device/DeviceType.h"
#include "device/PasswordCheck.h"
#include "link/SerialOpenError.h"
#include "link/NetAddress.h"

#include <cstring>

namespace {

// As long as the general pages wait for a TCP connection.
constexpr Seconds kConnectTimeout{20.0};

std::string socketErrorText(const DeviceLink& deviceLink)
{
    const int e = deviceLink.lastSocketError();
    return e != 0 ? ": " + std::string(std::strerror(e)) : std::string();
}

} // namespace

CtlSession::CtlSession(const CtlOptions& options)
    : options_(options)
    , deviceLink_(pump_)
{
}

std::string CtlSession::linkName() const
{
    if (options_.link == CtlOptions::Link::Serial)
        return options_.serialPath;
    return options_.host + ":" + std::to_string(options_.port);
}

bool CtlSession::open(std::string& error)
{
    deviceLink_.setSlaveAddress(options_.address);
    deviceLink_.setReadRetries(options_.retries);
    deviceLink_.setDeviceType(options_.model.value_or(kQLX700T));
    switch (options_.link) {
    case CtlOptions::Link::Serial:
        if (deviceLink_.openSerial(options_.serialPath, options_.serial, true))
            return true;
        error = "cannot open serial port " + options_.serialPath + ": "
            + describeSerialOpenError(deviceLink_.lastSerialOpenError(), options_.serial);
        return false;
    case CtlOptions::Link::Udp: {
        const auto address = resolveIPv4(options_.host);
        if (!address) {
            error = "cannot resolve host " + options_.host;
            return false;
        }
        if (deviceLink_.openUdp(*address, options_.localAddress, options_.port))
            return true;
        error = "cannot open UDP link to " + linkName();
        return false;
    }
    case CtlOptions::Link::Tcp: {
        const auto address = resolveIPv4(options_.host);
        if (!address) {
            error = "cannot resolve host " + options_.host;
            return false;
        }
        if (!deviceLink_.openTcp(*address, options_.localAddress, options_.port)) {
            error = "cannot open TCP link to " + linkName() + socketErrorText(deviceLink_);
            return false;
        }
        // A refused connection ends the wait at once; a silent network at the time-out.
        const AsyncLink& link = deviceLink_.asyncLink();
        pump_.runUntil([&] { return link.connected() || link.lastError() != 0; }, deadlineAfter(kConnectTimeout));
        if (deviceLink_.connected())
            return true;
        error = "cannot connect to " + linkName()
            + (deviceLink_.lastSocketError() != 0 ? socketErrorText(deviceLink_)
                                                  : std::string(" (no answer within 20 s)"));
        deviceLink_.close();
        return false;
    }
    case CtlOptions::Link::None:
        break;
    }
    error = "no link given (--serial, --udp or --tcp)";
    return false;
}

bool CtlSession::readSignature(int deviceType)
{
    deviceLink_.setDeviceType(deviceType);
    signature_ = 0;
    if (!deviceLink_.readRegisters(2002, 1))
        return false;
    signature_ = deviceLink_.registerValue(2002);
    return true;
}

std::string CtlSession::silence(int reg) const
{
    return "reading register " + std::to_string(reg) + " on " + linkName() + " failed: "
        + linkFailureReason(deviceLink_);
}

bool CtlSession::identify(std::string& error)
{
    if (options_.model) {
        const int wanted = *options_.model;
        const bool answered = readSignature(wanted);
        if (answered && signatureMatches(wanted, signature_))
            return true;
        const std::string failure = answered ? std::string() : silence(2002);
        int seen = signature_;
        // The P answers only with the wire offset, the others only without it: ask the
        // other way to name the model the device really is.
        if (signatureModelName(seen).empty() && readSignature(wanted == kQLX700P ? kQLX700T : kQLX700P)
            && !signatureModelName(signature_).empty())
            seen = signature_;
        deviceLink_.setDeviceType(wanted);
        const std::string name = signatureModelName(seen);
        const std::string notWanted = "), not a " + std::string(modelName(wanted));
        if (!name.empty())
            error = "the device is a " + name + " (signature " + std::to_string(seen) + notWanted;
        else if (answered)
            error = "the device is of no known model (signature " + std::to_string(seen) + notWanted;
        else
            error = failure;
        return false;
    }
    // Without --model: ask as any model but the P first, then with the P's offset.
    const bool answered = readSignature(kQLX700T);
    const std::string firstFailure = answered ? std::string() : silence(2002);
    const auto type = deviceTypeFromSignature(signature_);
    if (answered && type && *type != kQLX700P) {
        deviceLink_.setDeviceType(*type);
        return true;
    }
    const int plain = signature_;
    if (readSignature(kQLX700P) && signature_ == kSignatureP)
        return true;
    if (!answered && !deviceLink_.received(2002)) {
        error = firstFailure;
        return false;
    }
    error = "unknown device signature " + std::to_string(answered ? plain : signature_) + " (register 2002)";
    return false;
}

bool CtlSession::reconnect(std::string& error)
{
    return open(error) && identify(error) && provePassword(password_, error);
}

bool CtlSession::provePassword(const std::string& password, std::string& error)
{
    password_ = password;
    if (!deviceLink_.readRegisters(1600, 4)) {
        error = silence(1600);
        return false;
    }
    if (!passwordMatches(deviceLink_.image(), password)) {
        error = "wrong password";
        return false;
    }
    return true;
}
