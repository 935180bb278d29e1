#include "link/AsyncLink.h"

#include "link/NetAddress.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr int kReceiveBuffer = 720000;

} // namespace

AsyncLink::AsyncLink(EventPump& pump, RegisterStore store)
    : pump_(pump)
    , store_(std::move(store))
    , parser_([this](std::span<const std::uint8_t> payload) { handleFrame(payload); })
{
}

AsyncLink::~AsyncLink()
{
    close();
}

bool AsyncLink::open(const std::string& deviceAddress, const std::string& localAddress, std::uint16_t port)
{
    close();
    lastError_ = 0;
    const auto ends = linkEndpoints(deviceAddress, localAddress, port);
    if (!ends)
        return false;
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        lastError_ = errno;
        return false;
    }
    // Set before connecting so that the window is negotiated with the large buffer.
    const int size = kReceiveBuffer;
    setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &size, sizeof size);
    // One frame per request and nothing else to coalesce it with.
    const int on = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    if (bind(fd, reinterpret_cast<const sockaddr*>(&ends->local), sizeof ends->local) != 0
        || (connect(fd, reinterpret_cast<const sockaddr*>(&ends->device), sizeof ends->device) != 0
            && errno != EINPROGRESS)) {
        lastError_ = errno;
        ::close(fd);
        return false;
    }
    // Even a connection that completed at once is reported through the pump, so
    // the link always becomes connected the same way.
    fd_ = fd;
    pump_.watchSocket(fd_, *this, true);
    return true;
}

void AsyncLink::close()
{
    if (fd_ >= 0) {
        pump_.unwatchSocket(fd_);
        ::close(fd_);
        fd_ = -1;
    }
    connected_ = false;
    ++generation_;
    resetExchange();
}

void AsyncLink::resetExchange()
{
    // Nothing of the old connection may leak into the next one: half a frame would
    // swallow the start of the next reply, and queued requests were meant for the
    // device as it was.
    parser_.reset();
    readQueue_.clear();
    writeQueue_.clear();
    busy_ = false;
    replyArrived_ = false;
    matcher_.reset();
}

void AsyncLink::socketEvent(std::uint32_t eventWord)
{
    const auto event = static_cast<std::uint16_t>(eventWord & 0xFFFF);
    const auto error = static_cast<int>(eventWord >> 16);
    switch (event) {
    case kSocketConnect:
        // A failed connection leaves the link as it is: not connected.
        if (error != 0) {
            lastError_ = error;
            if (fd_ >= 0)
                pump_.unwatchSocket(fd_);
            return;
        }
        if (fd_ >= 0)
            connected_ = true;
        return;
    case kSocketRead:
        if (error == 0)
            receive();
        return;
    case kSocketClose:
        // Reset or reboot of the device (an error) or an orderly end: either way the
        // link is gone, and a waiting request must not wait for it.
        lastError_ = error;
        close();
        return;
    default:
        return;
    }
}

void AsyncLink::receive()
{
    if (fd_ < 0)
        return;
    std::array<std::uint8_t, asyncframe::kMaxPayload> scratch;
    ssize_t n;
    do {
        n = ::recv(fd_, scratch.data(), scratch.size(), 0);
    } while (n < 0 && errno == EINTR);
    if (n > 0)
        parser_.feed(std::span<const std::uint8_t>(scratch.data(), static_cast<std::size_t>(n)));
}

void AsyncLink::handleFrame(std::span<const std::uint8_t> payload)
{
    lastReceivedSequence_ = asyncframe::payloadSequence(payload);
    switch (matcher_.classify(payload)) {
    case AsyncReplyMatcher::Verdict::Reply:
        // Its values count once the reply proves to answer what was asked (read()).
        replyPayload_.assign(payload.begin(), payload.end());
        replyArrived_ = true;
        return;
    case AsyncReplyMatcher::Verdict::Late:
        return;
    case AsyncReplyMatcher::Verdict::Other:
        storeData(payload);
        return;
    }
}

void AsyncLink::storeData(std::span<const std::uint8_t> payload)
{
    if (asyncframe::payloadCommand(payload) != asyncframe::kCommandRegisterData)
        return;
    for (const asyncframe::Pair& p : asyncframe::registerDataPairs(payload))
        store_(p.reg, p.value);
}

bool AsyncLink::sendAll(std::span<const std::uint8_t> frame, Deadline deadline)
{
    std::size_t sent = 0;
    while (sent < frame.size()) {
        const ssize_t n = ::send(fd_, frame.data() + sent, frame.size() - sent, MSG_NOSIGNAL);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && (pump_.waitReady(fd_, POLLOUT, deadline) & POLLOUT))
            continue;
        return false;
    }
    return true;
}

bool AsyncLink::fail(LinkError error)
{
    fault_ = error;
    return false;
}

bool AsyncLink::request(const std::function<std::vector<std::uint8_t>(std::uint16_t)>& build, Seconds timeout)
{
    if (busy_)
        return fail({LinkFault::Busy});
    if (!connected_)
        return fail({LinkFault::NotConnected});
    const std::vector<std::uint8_t> frame = build(sequenceCounter_);
    busy_ = true;
    replyArrived_ = false;
    sequenceInFlight_ = sequenceCounter_;
    matcher_.begin(sequenceInFlight_);
    ++sequenceCounter_;
    const unsigned generation = generation_;
    const std::size_t dropped = parser_.droppedFrames();
    const Deadline deadline = deadlineAfter(timeout);
    if (!sendAll(frame, deadline)) {
        busy_ = false;
        matcher_.abandon();
        return fail({LinkFault::SendFailed});
    }
    pump_.runUntil([&] { return replyArrived_ || generation_ != generation; }, deadline);
    // The close event left its error: none for an orderly close, the reset's otherwise.
    if (generation_ != generation)
        return fail({LinkFault::ConnectionLost, lastError_});
    busy_ = false;
    if (!replyArrived_) {
        matcher_.abandon();
        // A frame the parser had to throw away is likelier the answer than silence.
        return fail({parser_.droppedFrames() != dropped ? LinkFault::BadFrameLength : LinkFault::Timeout});
    }
    matcher_.end();
    return true;
}

bool AsyncLink::read(std::span<const std::uint16_t> registers, Seconds timeout, std::vector<std::uint16_t>* values)
{
    if (values != nullptr)
        values->clear();
    for (std::size_t at = 0; at < registers.size(); at += asyncframe::kMaxReadRegisters) {
        const auto part = registers.subspan(at, std::min(asyncframe::kMaxReadRegisters, registers.size() - at));
        const auto build = [part](std::uint16_t sequence) { return asyncframe::buildRead(sequence, part); };
        // Each attempt has its own sequence number, so a late reply to an earlier one
        // is never taken for it.
        for (int attempt = 0;; ++attempt) {
            if (request(build, timeout)) {
                const LinkError e = checkReadReply(replyPayload_, part, values);
                if (e.fault == LinkFault::None)
                    break;
                fail(e);
            }
            if (attempt >= readRetries_ || !worthRepeatingRead(fault_.fault))
                return false;
        }
        storeData(replyPayload_);
    }
    return true;
}

bool AsyncLink::write(std::span<const asyncframe::Pair> pairs, Seconds timeout)
{
    for (std::size_t at = 0; at < pairs.size(); at += asyncframe::kMaxWritePairs) {
        const auto part = pairs.subspan(at, std::min(asyncframe::kMaxWritePairs, pairs.size() - at));
        const auto build = [part](std::uint16_t sequence) { return asyncframe::buildWrite(sequence, part); };
        if (!request(build, timeout))
            return false;
        const std::uint16_t status = asyncframe::writeStatus(replyPayload_).value_or(0xFFFF);
        if (status != 0)
            return fail({LinkFault::Refused, status});
    }
    return true;
}

bool AsyncLink::flushReads(Seconds timeout)
{
    // Taken out first: what is queued while the request waits belongs to the next flush.
    const std::vector<std::uint16_t> registers = std::exchange(readQueue_, {});
    if (!connected_)
        return fail({LinkFault::NotConnected});
    return read(registers, timeout);
}

bool AsyncLink::writeAndReadBack(std::span<const asyncframe::Pair> pairs, Seconds timeout)
{
    std::vector<std::uint16_t> registers;
    registers.reserve(pairs.size());
    for (const asyncframe::Pair& p : pairs)
        registers.push_back(p.reg);
    // The read-back runs even after a failed write, so the image shows what the
    // device holds now; the write's own failure is the one reported.
    const bool written = write(pairs, timeout);
    const LinkError writeFault = fault_;
    std::vector<std::uint16_t> values;
    const bool readBack = read(registers, timeout, &values);
    if (!written)
        return fail(writeFault);
    if (!readBack)
        return false;
    // A register queued twice must hold the value written last.
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        bool last = true;
        for (std::size_t j = i + 1; j < pairs.size() && last; ++j)
            last = pairs[j].reg != pairs[i].reg;
        if (last && values[i] != pairs[i].value)
            return fail({LinkFault::ReadBackDiffers, 0, pairs[i].reg, values[i]});
    }
    return true;
}

bool AsyncLink::flushWrites(Seconds timeout)
{
    const std::vector<asyncframe::Pair> pairs = std::exchange(writeQueue_, {});
    if (!connected_)
        return fail({LinkFault::NotConnected});
    return writeAndReadBack(pairs, timeout);
}
