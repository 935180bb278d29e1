#include "CtlSession.h"

#include "device/DeviceModel.h"
#include "device/DeviceType.h"
#include "device/PasswordCheck.h"
#include "link/NetAddress.h"

#include <cerrno>
#include <cstring>

namespace {

// As long as the general frames wait for a TCP connection.
constexpr Seconds kConnectTimeout{20.0};

std::string socketErrorText(const TEquipComm& equip)
{
    const int e = equip.lastSocketError();
    return e != 0 ? ": " + std::string(std::strerror(e)) : std::string();
}

} // namespace

CtlSession::CtlSession(const CtlOptions& options)
    : options_(options)
    , equip_(pump_)
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
    equip_.setSlaveAddress(options_.address);
    equip_.setDeviceType(options_.model.value_or(kQLX700T));
    switch (options_.link) {
    case CtlOptions::Link::Serial:
        if (equip_.openSerial(options_.serialPath, options_.serial, true))
            return true;
        error = "cannot open serial port " + options_.serialPath;
        if (const int e = equip_.lastSerialOpenError(); e != 0)
            error += ": " + std::string(std::strerror(e));
        if (equip_.lastSerialOpenError() == EACCES)
            error += " (join the port's group, usually dialout)";
        return false;
    case CtlOptions::Link::Udp: {
        const auto address = resolveIPv4(options_.host);
        if (!address) {
            error = "cannot resolve host " + options_.host;
            return false;
        }
        if (equip_.openUdp(*address, options_.localAddress, options_.port))
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
        if (!equip_.openTcp(*address, options_.localAddress, options_.port)) {
            error = "cannot open TCP link to " + linkName() + socketErrorText(equip_);
            return false;
        }
        // A refused connection ends the wait at once; a silent network at the time-out.
        const AsyncLink& link = equip_.asyncLink();
        pump_.runUntil([&] { return link.connected() || link.lastError() != 0; }, deadlineAfter(kConnectTimeout));
        if (equip_.connected())
            return true;
        error = "cannot connect to " + linkName()
            + (equip_.lastSocketError() != 0 ? socketErrorText(equip_) : std::string(" (no answer within 20 s)"));
        equip_.close();
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
    equip_.setDeviceType(deviceType);
    if (!equip_.readRegisters(2002, 1))
        return false;
    signature_ = equip_.registerValue(2002);
    return true;
}

bool CtlSession::identify(std::string& error)
{
    if (options_.model) {
        if (!readSignature(*options_.model)) {
            error = "the device does not answer on " + linkName() + " (register 2002)";
            return false;
        }
        if (!signatureMatches(*options_.model, signature_)) {
            const auto found = deviceTypeFromSignature(signature_);
            error = "the device is " + (found ? std::string("a ") + std::string(modelName(*found)) : std::string("of no known model"))
                + " (signature " + std::to_string(signature_) + "), not a " + std::string(modelName(*options_.model));
            return false;
        }
        return true;
    }
    // Without --model: ask as any model but the P first, then with the P's offset.
    const bool answered = readSignature(kQLX700T);
    const auto type = deviceTypeFromSignature(signature_);
    if (answered && type && *type != kQLX700P) {
        equip_.setDeviceType(*type);
        return true;
    }
    if (readSignature(kQLX700P) && signature_ == kSignatureP)
        return true;
    if (!answered && signature_ == 0) {
        error = "the device does not answer on " + linkName() + " (register 2002)";
        return false;
    }
    error = "unknown device signature " + std::to_string(signature_) + " (register 2002)";
    return false;
}

bool CtlSession::provePassword(const std::string& password, std::string& error)
{
    if (!equip_.readRegisters(1600, 4)) {
        error = "the device does not answer on " + linkName() + " (register 1600)";
        return false;
    }
    if (!passwordMatches(equip_.image(), password)) {
        error = "wrong password";
        return false;
    }
    return true;
}
