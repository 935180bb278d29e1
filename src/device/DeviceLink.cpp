#include "device/DeviceLink.h"

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
// How long after a request gave up its reply may still come: a slow device or
// network answers a little late rather than very late.
constexpr Seconds kSerialLateReplyGuard{0.5};
constexpr Seconds kUdpLateReplyGuard{0.1};

// A reply to `owed` would pass for the answer to `next`: a read reply names no
// register, only how many it carries, and an echo names the register it answers.
bool confusable(const rtu::Expectation& owed, const rtu::Expectation& next)
{
    if (owed.slave != next.slave || owed.function != next.function || owed.count != next.count)
        return false;
    return owed.function == 3 ? owed.address != next.address : owed.address == next.address;
}

bool sameRequest(const rtu::Expectation& a, const rtu::Expectation& b)
{
    return a.slave == b.slave && a.function == b.function && a.address == b.address && a.count == b.count;
}

} // namespace

DeviceLink::DeviceLink(EventPump& pump)
    : pump_(pump)
    , serial_(pump)
    , udp_(pump)
    , async_(pump, [this](std::uint16_t reg, std::uint16_t value) { image_.storeRegisterValue(reg, value); })
{
}

DeviceLink::~DeviceLink()
{
    close();
}

bool DeviceLink::openSerial(const std::string& portName, const SerialLinkSettings& settings, bool onSerialPort)
{
    close();
    closedOnRequest_ = false;
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

bool DeviceLink::openUdp(const std::string& deviceAddress, const std::string& localAddress, std::uint16_t port)
{
    close();
    closedOnRequest_ = false;
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

bool DeviceLink::openTcp(const std::string& deviceAddress, const std::string& localAddress, std::uint16_t port)
{
    close();
    closedOnRequest_ = false;
    image_.clear();
    if (!async_.open(deviceAddress, localAddress, port))
        return false;
    network_ = true;
    asynchronous_ = true;
    return true;
}

void DeviceLink::close()
{
    if (connected_ || udp_.isOpen() || serial_.isOpen() || async_.isOpen()) {
        udp_.close();
        serial_.close();
        async_.close();
    }
    connected_ = false;
    linkOnSerialPort_ = false;
    closeRequested_ = false;
    closedOnRequest_ = true;
    owed_.clear();
    // What this connection received is no longer what any device holds.
    image_.clear();
}

void DeviceLink::closeAfterTransaction()
{
    if (busy())
        closeRequested_ = true;
    else
        close();
}

bool DeviceLink::finish(bool ok)
{
    if (closeRequested_ && !busy())
        close();
    return ok;
}

std::uint16_t DeviceLink::wireAddress(int reg) const
{
    const int offset = deviceType() == kQLX700P ? 0x8000 : 0;
    return static_cast<std::uint16_t>((reg + offset) & 0xFFFF);
}

bool DeviceLink::sendFrame(std::size_t length)
{
    return network_ ? udp_.send(request_.data(), length) : serial_.write(request_.data(), length);
}

void DeviceLink::setReadRetries(int retries)
{
    readRetries_ = std::clamp(retries, 0, kMaxReadRetries);
    async_.setReadRetries(readRetries_);
}

void DeviceLink::owe(const rtu::Expectation& request, int replies)
{
    const Deadline until = deadlineAfter(network_ ? kUdpLateReplyGuard : kSerialLateReplyGuard);
    const auto now = LinkClock::now();
    std::erase_if(owed_, [&](const OwedReplies& o) { return o.until <= now || sameRequest(o.request, request); });
    owed_.push_back({request, replies, until});
}

// A request that gave up may still be answered. Before a request whose answer such a
// late reply would pass for goes out, the reply is waited for (at most its guard time)
// and thrown away; a request it cannot be taken for goes at once.
void DeviceLink::settleOwedReplies(const rtu::Expectation& next)
{
    const auto now = LinkClock::now();
    std::erase_if(owed_, [&](const OwedReplies& o) { return o.until <= now; });
    for (OwedReplies& o : owed_) {
        if (!confusable(o.request, next))
            continue;
        for (; o.replies > 0; --o.replies) {
            if (receiver_.await(network_, o.request, o.until).kind == rtu::ScanKind::NeedMore)
                break;
        }
        o.replies = 0;
    }
    std::erase_if(owed_, [](const OwedReplies& o) { return o.replies == 0; });
}

void DeviceLink::drainLink()
{
    if (network_) {
        udp_.drain();
        return;
    }
    // A request goes out once the line has been silent for the gap that ends an RTU
    // frame, so a late or repeated reply can never pass for the answer to it.
    serial_.drain(serial_.frameGap());
}

void DeviceLink::pauseUntil(Deadline deadline)
{
    if (LinkClock::now() < deadline)
        pump_.sleepUntil(deadline);
}

bool DeviceLink::rtuFree()
{
    if (!connected_)
        return fail({LinkFault::NotConnected});
    if (rtuBusy_)
        return fail({LinkFault::Busy});
    return true;
}

bool DeviceLink::fail(LinkError error)
{
    rtuFault_ = error;
    return false;
}

LinkError DeviceLink::lastError() const
{
    LinkError e = asynchronous_ ? async_.lastFault() : rtuFault_;
    if (deviceType() == kQLX700P)
        e.reg &= 0x7FFF;
    return e;
}

std::vector<std::uint16_t> DeviceLink::wireAddresses(int first, std::size_t count) const
{
    std::vector<std::uint16_t> addresses;
    addresses.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        addresses.push_back(wireAddress(first + static_cast<int>(i)));
    return addresses;
}

// Only a value received from this device counts: a register never read may hold
// anything on the device, whatever the image's zero says.
bool DeviceLink::unchanged(int first, std::span<const std::uint16_t> values) const
{
    for (std::size_t i = 0; i < values.size(); ++i) {
        const int reg = first + static_cast<int>(i);
        if (!image_.received(reg) || image_.registerValue(reg) != values[i])
            return false;
    }
    return true;
}

Seconds DeviceLink::quickReadTimeout(int count) const
{
    if (network_)
        return readTimeout_;
    // Request and reply at the line's character time, twice over, plus the device's
    // turnaround.
    const double bytes = 8.0 + 2.0 * count + 5.0;
    const Seconds wire = 2.0 * bytes * serial_.characterTime();
    return std::min(readTimeout_, Seconds{0.3} + wire);
}

bool DeviceLink::readRegisters(int first, int count, bool queue, Seconds timeout)
{
    if (count < 1)
        return false;
    if (asynchronous_ && queue) {
        for (std::uint16_t a : wireAddresses(first, static_cast<std::size_t>(count)))
            async_.queueRead(a);
        return true;
    }
    return finish(asynchronous_ ? asyncRead(first, count, nullptr) : rtuRead(first, count, nullptr, timeout));
}

bool DeviceLink::readRaw(int first, int count, std::vector<std::uint16_t>& words)
{
    words.clear();
    if (count < 1)
        return false;
    return finish(asynchronous_ ? asyncRead(first, count, &words) : rtuRead(first, count, &words));
}

bool DeviceLink::asyncRead(int first, int count, std::vector<std::uint16_t>* words)
{
    return async_.read(wireAddresses(first, static_cast<std::size_t>(count)), kAsyncReplyTimeout, words);
}

// One read transaction: only the frame that answers it counts, and only a reply with
// every register asked is a success.
bool DeviceLink::rtuRead(int first, int count, std::vector<std::uint16_t>* words, Seconds timeout)
{
    if (count > rtu::kMaxReadCount)
        return fail({LinkFault::WrongReply});
    if (!rtuFree())
        return false;
    const BusyHold busy(rtuBusy_);
    const std::uint16_t address = wireAddress(first);
    const std::size_t length = rtu::buildRead(request_.data(), static_cast<std::uint8_t>(slaveAddress_), address,
                                              static_cast<std::uint16_t>(count));
    const rtu::Expectation expected{static_cast<std::uint8_t>(slaveAddress_), 3, address,
                                    static_cast<std::uint16_t>(count)};
    const Seconds wait = timeout > Seconds::zero() ? std::min(timeout, readTimeout_) : readTimeout_;
    // A refresh that shortens its wait notices a silent device at once; its next
    // tick asks again anyway.
    const int retries = timeout > Seconds::zero() ? 0 : readRetries_;
    // Requests sent and not answered: each may still be answered late.
    int unanswered = 0;
    RtuReceiver::Result r;
    for (int attempt = 0;; ++attempt) {
        settleOwedReplies(expected);
        drainLink();
        if (!sendFrame(length))
            return fail({LinkFault::SendFailed});
        r = receiver_.await(network_, expected, deadlineAfter(wait));
        if (r.kind == rtu::ScanKind::Answer || r.kind == rtu::ScanKind::Exception)
            break;
        owe(expected, ++unanswered);
        if (attempt >= retries || !worthRepeatingRead(r.error.fault))
            return fail(r.error);
    }
    // The answer taken may be the late one to an earlier attempt (the same question):
    // the replies of the others may still come.
    if (unanswered > 0)
        owe(expected, unanswered);
    if (r.kind != rtu::ScanKind::Answer)
        return fail(r.error);
    const std::uint8_t* reply = receiver_.frame();
    const int values = rtu::readReplyValues(r.length);
    for (int i = 0; i < values; ++i) {
        const auto word = static_cast<std::uint16_t>(reply[3 + 2 * i] * 256 + reply[4 + 2 * i]);
        image_.storeRegisterValue(address + i, word);
        if (words != nullptr)
            words->push_back(word);
    }
    return true;
}

// Sends a write already built in the request buffer, waits for the device's echo
// (an exception is its refusal), lets it settle, and reads the registers back.
bool DeviceLink::rtuWrite(int first, std::span<const std::uint16_t> values, std::size_t length)
{
    if (!rtuFree())
        return false;
    std::vector<std::uint16_t> readBack;
    LinkError echoFault;
    {
        const BusyHold busy(rtuBusy_);
        const rtu::Expectation expected{static_cast<std::uint8_t>(slaveAddress_), request_[1], wireAddress(first),
                                        static_cast<std::uint16_t>(values.size())};
        settleOwedReplies(expected);
        drainLink();
        if (!sendFrame(length))
            return fail({LinkFault::SendFailed});
        const Deadline settled = deadlineAfter(writeSettleDelay_);
        const RtuReceiver::Result echo = receiver_.await(network_, expected, deadlineAfter(readTimeout_));
        if (echo.kind == rtu::ScanKind::Exception)
            return fail(echo.error);
        if (echo.kind != rtu::ScanKind::Answer) {
            // The write is never sent twice: whether it took is read back below, and
            // it counts only if every register holds what was written.
            owe(expected, 1);
            echoFault = echo.error;
        }
        pauseUntil(settled);
    }
    // After a lost echo one read decides: a silent device must not cost the retries too.
    const Seconds readBackWait = echoFault.fault != LinkFault::None ? readTimeout_ : Seconds::zero();
    if (!rtuRead(first, static_cast<int>(values.size()), &readBack, readBackWait))
        return echoFault.fault != LinkFault::None ? fail(echoFault) : false;
    if (echoFault.fault != LinkFault::None && !std::equal(values.begin(), values.end(), readBack.begin()))
        return fail(echoFault);
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (readBack[i] != values[i])
            return fail({LinkFault::ReadBackDiffers, 0, first + static_cast<int>(i), readBack[i]});
    }
    return true;
}

bool DeviceLink::writeRegister(int reg, int value, bool queue, bool force)
{
    const auto word = static_cast<std::uint16_t>(value & 0xFFFF);
    return writeRegisters(reg, std::span<const std::uint16_t>(&word, 1), queue, force);
}

bool DeviceLink::writeRegisters(int first, std::span<const std::uint16_t> values, bool queue, bool force)
{
    if (values.empty() || (!asynchronous_ && values.size() > static_cast<std::size_t>(rtu::kMaxWriteCount)))
        return false;
    if (!force && unchanged(first, values))
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
        return finish(async_.writeAndReadBack(pairs, kAsyncReplyTimeout));
    }
    // The request buffer belongs to the transaction in flight: a write started during
    // its wait is refused before it builds anything there.
    if (!rtuFree())
        return finish(false);
    const std::size_t length = values.size() == 1
        ? rtu::buildWriteSingle(request_.data(), static_cast<std::uint8_t>(slaveAddress_), wireAddress(first), values[0])
        : rtu::buildWriteMultiple(request_.data(), static_cast<std::uint8_t>(slaveAddress_), wireAddress(first), values);
    return finish(rtuWrite(first, values, length));
}

bool DeviceLink::sendCommand(int code)
{
    if (asynchronous_) {
        // The device takes the command pair as is, without the P's offset.
        const asyncframe::Pair pair{kCommandRegister, static_cast<std::uint16_t>(code & 0xFFFF)};
        return finish(async_.write(std::span<const asyncframe::Pair>(&pair, 1), kAsyncReplyTimeout));
    }
    return finish(rtuCommand(code));
}

bool DeviceLink::rtuCommand(int code)
{
    if (!rtuFree())
        return false;
    const BusyHold busy(rtuBusy_);
    // The command register takes the wire offset of the P like any other register.
    const std::uint16_t address = wireAddress(kCommandRegister);
    const std::size_t length = rtu::buildWriteSingle(request_.data(), static_cast<std::uint8_t>(slaveAddress_),
                                                     address, static_cast<std::uint16_t>(code & 0xFFFF));
    // The echo names the command register; the value it echoes is not compared.
    const rtu::Expectation expected{static_cast<std::uint8_t>(slaveAddress_), 6, address, 1};
    settleOwedReplies(expected);
    drainLink();
    if (!sendFrame(length))
        return fail({LinkFault::SendFailed});
    pauseUntil(deadlineAfter(writeSettleDelay_));
    const RtuReceiver::Result echo = receiver_.await(network_, expected, deadlineAfter(readTimeout_));
    if (echo.kind == rtu::ScanKind::Answer)
        return true;
    // A command is never repeated: a tap change or an erase must not happen twice.
    if (echo.kind != rtu::ScanKind::Exception)
        owe(expected, 1);
    return fail(echo.error);
}

bool DeviceLink::flushQueuedReads(Seconds timeout)
{
    if (!asynchronous_)
        return connected_;
    return finish(async_.flushReads(timeout > Seconds::zero() ? timeout : kAsyncReplyTimeout));
}

bool DeviceLink::flushQueuedWrites(Seconds timeout)
{
    if (!asynchronous_)
        return connected_;
    return finish(async_.flushWrites(timeout > Seconds::zero() ? timeout : kAsyncReplyTimeout));
}
