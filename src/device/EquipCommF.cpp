#include "device/EquipCommF.h"

#include "device/BusyHold.h"
#include "device/DeviceType.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace {

constexpr Seconds kSerialReadTimeout{2.0};
constexpr Seconds kSerialSettleDelay{0.15};
constexpr Seconds kUdpTimeout{0.025};
constexpr std::uint16_t kCommandRegister = 3000;

} // namespace

TEquipComm::TEquipComm(EventPump& pump)
    : pump_(pump)
    , serial_(pump)
    , udp_(pump)
    , async_(pump, [this](std::uint16_t reg, std::uint16_t value) { image_.storeRegisterValue(reg, value); })
{
}

TEquipComm::~TEquipComm()
{
    close();
}

bool TEquipComm::openSerial(const std::string& portName, const SerialLinkSettings& settings, bool onSerialPort)
{
    close();
    // A new link may reach another device: never judge it by the last one's values.
    image_.clear();
    portName_ = portName;
    readTimeout_ = kSerialReadTimeout;
    writeSettleDelay_ = kSerialSettleDelay;
    connected_ = serial_.open(portName, settings);
    network_ = false;
    asynchronous_ = false;
    if (onSerialPort)
        linkOnSerialPort_ = connected_;
    return connected_;
}

bool TEquipComm::openUdp(const std::string& deviceAddress, const std::string& localAddress, std::uint16_t port)
{
    close();
    image_.clear();
    if (!udp_.open(deviceAddress, localAddress, port))
        return false;
    network_ = true;
    asynchronous_ = false;
    connected_ = true;
    readTimeout_ = kUdpTimeout;
    writeSettleDelay_ = kUdpTimeout;
    return true;
}

bool TEquipComm::openTcp(const std::string& deviceAddress, const std::string& localAddress, std::uint16_t port)
{
    close();
    image_.clear();
    if (!async_.open(deviceAddress, localAddress, port))
        return false;
    network_ = true;
    asynchronous_ = true;
    return true;
}

void TEquipComm::close()
{
    if (connected_ || udp_.isOpen() || serial_.isOpen() || async_.isOpen()) {
        udp_.close();
        serial_.close();
        async_.close();
    }
    connected_ = false;
    linkOnSerialPort_ = false;
}

std::uint16_t TEquipComm::wireAddress(int reg) const
{
    const int offset = deviceType() == kQLX700P ? 0x8000 : 0;
    return static_cast<std::uint16_t>((reg + offset) & 0xFFFF);
}

bool TEquipComm::sendFrame(std::size_t length)
{
    return network_ ? udp_.send(request_.data(), length) : serial_.write(request_.data(), length);
}

std::size_t TEquipComm::receiveReply(std::size_t wanted)
{
    const Deadline deadline = deadlineAfter(readTimeout_);
    wanted = std::min(wanted, reply_.size());
    if (network_)
        return udp_.receive(reply_.data(), reply_.size(), wanted, deadline);
    // Read the header first: an exception or a shorter read reply then ends the wait
    // as soon as it is complete instead of at the deadline.
    std::size_t got = serial_.read(reply_.data(), reply_.size(), std::min<std::size_t>(3, wanted), deadline);
    if (got < 3 || got >= wanted)
        return got;
    const std::size_t total = rtu::expectedReplyLength(reply_.data(), wanted);
    if (total > got)
        got += serial_.read(reply_.data() + got, reply_.size() - got, total - got, deadline);
    return got;
}

void TEquipComm::drainLink()
{
    if (network_)
        udp_.drain();
    else
        serial_.drain();
}

void TEquipComm::pauseSettle()
{
    const auto ms = std::chrono::milliseconds(std::lround(writeSettleDelay_.count() * 1000.0));
    pump_.sleepUntil(LinkClock::now() + ms);
}

// After a write the device's answer is normally thrown away by the read-back's
// drain; an exception reply among those bytes means the device refused the write,
// even when the register already held the value.
bool TEquipComm::writeRefused(std::uint8_t function)
{
    std::size_t got = 0;
    if (network_) {
        got = udp_.receive(reply_.data(), reply_.size(), 1, LinkClock::now());
    } else {
        got = serial_.read(reply_.data(), reply_.size(), 5, LinkClock::now());
    }
    return rtu::isExceptionReply(reply_.data(), got, function);
}

std::vector<std::uint16_t> TEquipComm::wireAddresses(int first, std::size_t count) const
{
    std::vector<std::uint16_t> addresses;
    addresses.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        addresses.push_back(wireAddress(first + static_cast<int>(i)));
    return addresses;
}

bool TEquipComm::readRegisters(int first, int count, bool queue)
{
    if (count < 1)
        return false;
    if (asynchronous_) {
        const std::vector<std::uint16_t> addresses = wireAddresses(first, static_cast<std::size_t>(count));
        if (queue) {
            for (std::uint16_t a : addresses)
                async_.queueRead(a);
            return true;
        }
        return async_.read(addresses, kAsyncReplyTimeout);
    }
    if (count > rtu::kMaxReadCount || !connected_ || rtuBusy_)
        return false;
    const BusyHold busy(rtuBusy_);
    return rtuRead(first, count);
}

bool TEquipComm::rtuRead(int first, int count)
{
    const std::uint16_t address = wireAddress(first);
    const std::size_t length = rtu::buildRead(request_.data(), static_cast<std::uint8_t>(slaveAddress_), address,
                                              static_cast<std::uint16_t>(count));
    drainLink();
    if (!sendFrame(length))
        return false;
    const std::size_t got = receiveReply(2u * static_cast<std::size_t>(count) + 5);
    const int values = rtu::readReplyValueCount(reply_.data(), got, count);
    if (values < 0)
        return false;
    for (int i = 0; i < values; ++i)
        image_.storeRegisterValue(address + i, reply_[3 + 2 * i] * 256 + reply_[4 + 2 * i]);
    return true;
}

bool TEquipComm::writeRegister(int reg, int value, bool queue, bool force)
{
    if (value == image_.registerValue(reg) && !force)
        return true;
    if (asynchronous_) {
        const asyncframe::Pair pair{wireAddress(reg), static_cast<std::uint16_t>(value & 0xFFFF)};
        if (queue) {
            async_.queueWrite(pair);
            return true;
        }
        return async_.writeAndReadBack(std::span<const asyncframe::Pair>(&pair, 1), kAsyncReplyTimeout);
    }
    if (!connected_ || rtuBusy_)
        return false;
    const BusyHold busy(rtuBusy_);
    const std::size_t length = rtu::buildWriteSingle(request_.data(), static_cast<std::uint8_t>(slaveAddress_),
                                                     wireAddress(reg), static_cast<std::uint16_t>(value & 0xFFFF));
    if (!sendFrame(length))
        return false;
    pauseSettle();
    if (writeRefused(6))
        return false;
    return rtuRead(reg, 1) && image_.registerValue(reg) == (value & 0xFFFF);
}

bool TEquipComm::writeRegisters(int first, std::span<const std::uint16_t> values, bool queue, bool force)
{
    if (values.empty() || (!asynchronous_ && values.size() > static_cast<std::size_t>(rtu::kMaxWriteCount)))
        return false;
    const auto unchanged = [&] {
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (image_.registerValue(first + static_cast<int>(i)) != values[i])
                return false;
        }
        return true;
    };
    if (!force && unchanged())
        return true;
    if (asynchronous_) {
        std::vector<asyncframe::Pair> pairs;
        pairs.reserve(values.size());
        for (std::size_t i = 0; i < values.size(); ++i)
            pairs.push_back({wireAddress(first + static_cast<int>(i)), values[i]});
        if (queue) {
            for (const asyncframe::Pair& p : pairs)
                async_.queueWrite(p);
            return true;
        }
        return async_.writeAndReadBack(pairs, kAsyncReplyTimeout);
    }
    if (!connected_ || rtuBusy_)
        return false;
    const BusyHold busy(rtuBusy_);
    const std::size_t length = rtu::buildWriteMultiple(request_.data(), static_cast<std::uint8_t>(slaveAddress_),
                                                       wireAddress(first), values);
    if (!sendFrame(length))
        return false;
    pauseSettle();
    if (writeRefused(16))
        return false;
    return rtuRead(first, static_cast<int>(values.size())) && unchanged();
}

bool TEquipComm::sendCommand(int code)
{
    if (asynchronous_) {
        // The device takes the command pair as is, without the P's offset.
        const asyncframe::Pair pair{kCommandRegister, static_cast<std::uint16_t>(code & 0xFFFF)};
        return async_.write(std::span<const asyncframe::Pair>(&pair, 1), kAsyncReplyTimeout);
    }
    if (!connected_ || rtuBusy_)
        return false;
    const BusyHold busy(rtuBusy_);
    // The command register takes the wire offset of the P like any other register.
    const std::uint16_t address = wireAddress(kCommandRegister);
    const std::size_t length = rtu::buildWriteSingle(request_.data(), static_cast<std::uint8_t>(slaveAddress_),
                                                     address, static_cast<std::uint16_t>(code & 0xFFFF));
    drainLink();
    if (!sendFrame(length))
        return false;
    pauseSettle();
    const std::size_t got = receiveReply(8);
    return got == 8 && rtu::crcValid(reply_.data(), got) && reply_[1] == 6
        && reply_[2] == request_[2] && reply_[3] == request_[3];
}

bool TEquipComm::flushQueuedReads(Seconds timeout)
{
    if (!asynchronous_)
        return connected_;
    return async_.flushReads(timeout > Seconds::zero() ? timeout : kAsyncReplyTimeout);
}

bool TEquipComm::flushQueuedWrites(Seconds timeout)
{
    if (!asynchronous_)
        return connected_;
    return async_.flushWrites(timeout > Seconds::zero() ? timeout : kAsyncReplyTimeout);
}
