#include "SimServerImpl.h"

#include "ScenarioPreset.h"
#include "SimDeviceFactory.h"
#include "SocketEndpoint.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace qlxsim {

namespace {

using namespace std::chrono_literals;

constexpr auto kSerialSilence = 20ms;     // the end of a frame of unknown length
constexpr auto kTurnaround = 2ms;         // the device's own reaction time with --wire-timing
constexpr auto kSplitGap = 10ms;
constexpr auto kLiveTick = 250ms;
constexpr std::size_t kOversizeDatagram = 400;
constexpr std::uint16_t kOversizeLength = 2100;
constexpr std::uint16_t kUnsolicitedSequence = 0xFFFF;

void closeFd(int& fd)
{
    if (fd >= 0)
        close(fd);
    fd = -1;
}

} // namespace

SimServerImpl::SimServerImpl(const SimConfig& config, const SimTransports& transports)
    : config_(config)
    , device_(SimDeviceFactory::make(config))
{
    rtu_ = std::make_unique<RtuSlave>(*device_, static_cast<std::uint8_t>(config.address));
    async_ = std::make_unique<AsyncFrameSlave>(*device_);
    presetFaults_ = ScenarioPreset::apply(config.preset, config.model, *device_);
    applyFaults(config.faults);

    if (pipe2(wake_, O_NONBLOCK | O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    try {
        if (transports.serial)
            pty_ = std::make_unique<PtyPort>(transports.serialLink);
        if (transports.udp) {
            udp_ = SocketEndpoint::openUdp(SocketEndpoint::parse(transports.udpEndpoint));
            udpPort_ = SocketEndpoint::localPort(udp_);
        }
        if (transports.tcp) {
            listener_ = SocketEndpoint::openTcpListener(SocketEndpoint::parse(transports.tcpEndpoint), 4);
            tcpPort_ = SocketEndpoint::localPort(listener_);
            configureListener();
        }
    } catch (...) {
        closeFd(udp_);
        closeFd(listener_);
        closeFd(wake_[0]);
        closeFd(wake_[1]);
        throw;
    }
    thread_ = std::thread([this] { run(); });
}

SimServerImpl::~SimServerImpl()
{
    stop();
}

void SimServerImpl::stop()
{
    if (!thread_.joinable())
        return;
    stopping_ = true;
    wake();
    thread_.join();
    closeFd(client_);
    closeFd(filler_);
    closeFd(listener_);
    closeFd(udp_);
    pty_.reset();
    closeFd(wake_[0]);
    closeFd(wake_[1]);
}

void SimServerImpl::wake()
{
    const char c = 1;
    [[maybe_unused]] const auto n = write(wake_[1], &c, 1);
}

std::uint16_t SimServerImpl::reg(std::uint16_t r)
{
    std::lock_guard lock(mutex_);
    device_->update(Clock::now());
    return device_->reg(r);
}

void SimServerImpl::setReg(std::uint16_t r, std::uint16_t value)
{
    std::lock_guard lock(mutex_);
    device_->pinReg(r, value);
}

void SimServerImpl::setFaults(const std::string& list)
{
    {
        std::lock_guard lock(mutex_);
        presetFaults_.clear();
        applyFaults(list);
        if (listener_ >= 0)
            configureListener();
    }
    wake();
}

bool SimServerImpl::setEventCount(int count)
{
    std::lock_guard lock(mutex_);
    return device_->setEventCount(count);
}

void SimServerImpl::applyPreset(const std::string& names)
{
    {
        std::lock_guard lock(mutex_);
        const std::string faults = ScenarioPreset::apply(names, config_.model, *device_);
        if (!faults.empty()) {
            presetFaults_ += (presetFaults_.empty() ? "" : ",") + faults;
            applyFaults(config_.faults);
            if (listener_ >= 0)
                configureListener();
        }
    }
    wake();
}

// Preset faults come first so that an explicit list can override them.
void SimServerImpl::applyFaults(const std::string& list)
{
    const std::string all = presetFaults_.empty() ? list : list.empty() ? presetFaults_ : presetFaults_ + "," + list;
    faults_ = FaultPlan(all, config_.seed);
    faultBase_ = requests_;
    config_.faults = list;
    device_->setWritesStick(!faults_.ignoreWrites);
    device_->setRefused(faults_.refuse);
    nextUnsolicited_ = Clock::now() + faults_.unsolicited;
}

// Never accepting: the listen queue is held full by a connection of our own, so
// the kernel drops the tool's SYNs and its connect simply hangs.
void SimServerImpl::configureListener()
{
    if (faults_.noAccept && filler_ < 0) {
        listen(listener_, 0);
        filler_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in self{};
        self.sin_family = AF_INET;
        self.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        self.sin_port = htons(tcpPort_);
        if (connect(filler_, reinterpret_cast<sockaddr*>(&self), sizeof self) != 0)
            closeFd(filler_);
    } else if (!faults_.noAccept && filler_ >= 0) {
        closeFd(filler_);
        listen(listener_, 4);
    }
}

std::uint64_t SimServerImpl::requestCount() const
{
    std::lock_guard lock(mutex_);
    return requests_;
}

bool SimServerImpl::waitForRequests(std::uint64_t n, std::chrono::milliseconds timeout) const
{
    std::unique_lock lock(mutex_);
    return requestsChanged_.wait_for(lock, timeout, [&] { return requests_ >= n; });
}

std::uint64_t SimServerImpl::writeCount() const
{
    std::lock_guard lock(mutex_);
    return writes_;
}

std::uint64_t SimServerImpl::tcpAcceptCount() const
{
    std::lock_guard lock(mutex_);
    return accepts_;
}

void SimServerImpl::countRequest()
{
    ++requests_;
    requestsChanged_.notify_all();
}

// How long poll may sleep: until the next reply is due, the serial silence
// ends, an unsolicited frame is due or the live values want refreshing.
timespec SimServerImpl::pollTimeout(Clock::time_point now) const
{
    Clock::time_point next = now + kLiveTick;
    for (const auto& p : pending_)
        next = std::min(next, p.due);
    if (splitter_.pending())
        next = std::min(next, lastSerialByte_ + kSerialSilence);
    if (client_ >= 0 && faults_.unsolicited.count() > 0)
        next = std::min(next, nextUnsolicited_);
    const auto ns = std::max<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(next - now).count(), 0);
    return {static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
}

void SimServerImpl::run()
{
    while (!stopping_) {
        std::vector<pollfd> fds{{wake_[0], POLLIN, 0}};
        const std::size_t serialAt = fds.size();
        if (pty_)
            fds.push_back({pty_->fd(), POLLIN, 0});
        const std::size_t udpAt = fds.size();
        if (udp_ >= 0)
            fds.push_back({udp_, POLLIN, 0});
        const std::size_t listenAt = fds.size();
        timespec timeout{};
        {
            std::lock_guard lock(mutex_);
            if (listener_ >= 0 && client_ < 0 && !faults_.noAccept)
                fds.push_back({listener_, POLLIN, 0});
            timeout = pollTimeout(Clock::now());
        }
        const std::size_t clientAt = fds.size();
        if (client_ >= 0)
            fds.push_back({client_, POLLIN, 0});

        if (ppoll(fds.data(), fds.size(), &timeout, nullptr) < 0 && errno != EINTR)
            break;
        if (fds[0].revents & POLLIN) {
            char drain[64];
            while (read(wake_[0], drain, sizeof drain) > 0) {
            }
        }
        if (stopping_)
            break;

        std::lock_guard lock(mutex_);
        const auto now = Clock::now();
        device_->update(now);
        if (pty_ && (fds[serialAt].revents & POLLIN))
            readSerial(now);
        if (pty_ && splitter_.pending() && now - lastSerialByte_ >= kSerialSilence) {
            if (auto frame = splitter_.takeAfterSilence())
                answerRtu(*frame, Channel::Serial, {}, now);
        }
        if (udp_ >= 0 && (fds[udpAt].revents & POLLIN))
            readUdp(now);
        // The faults may have turned to never accepting while poll waited: the
        // connection ready now is the filler that keeps the listen queue full.
        if (listenAt < clientAt && (fds[listenAt].revents & POLLIN) && !faults_.noAccept)
            acceptTcp(now);
        else if (clientAt < fds.size() && fds[clientAt].revents)
            readTcp(now);
        if (client_ >= 0 && faults_.unsolicited.count() > 0 && now >= nextUnsolicited_)
            pushUnsolicited(now);
        sendDue(now);
    }
}

void SimServerImpl::readSerial(Clock::time_point now)
{
    std::uint8_t chunk[512];
    for (;;) {
        const ssize_t n = read(pty_->fd(), chunk, sizeof chunk);
        if (n <= 0)
            break;
        splitter_.feed(chunk, static_cast<std::size_t>(n));
        lastSerialByte_ = now;
    }
    while (auto frame = splitter_.next())
        answerRtu(*frame, Channel::Serial, {}, now);
}

void SimServerImpl::readUdp(Clock::time_point now)
{
    std::uint8_t datagram[4096];
    for (;;) {
        sockaddr_in from{};
        socklen_t len = sizeof from;
        const ssize_t n = recvfrom(udp_, datagram, sizeof datagram, 0, reinterpret_cast<sockaddr*>(&from), &len);
        if (n < 0)
            break;
        answerRtu(Frame(datagram, datagram + n), Channel::Udp, from, now);
    }
}

void SimServerImpl::answerRtu(const Frame& request, Channel channel, const sockaddr_in& from, Clock::time_point now)
{
    if (!rtu_->addressedToMe(request))
        return;
    countRequest();
    if (request.size() > 1 && (request[1] == 6 || request[1] == 16))
        ++writes_;
    const auto decision = faults_.decide(requests_ - faultBase_, now);
    std::optional<Frame> reply;
    if (faults_.exception != 0) {
        // A device that answers with an exception has not carried the request out.
        if (request[0] != 0)
            reply = RtuSlave::exceptionReply(rtu_->address(), request[1], static_cast<std::uint8_t>(faults_.exception));
    } else {
        reply = rtu_->handle(request).reply;
    }
    if (const auto only = device_->answerOnly()) {
        const std::uint16_t wire = device_->toWire(*only);
        const bool asked = request.size() == 8 && request[1] == 3 && request[2] == (wire >> 8)
            && request[3] == (wire & 0xFF) && request[4] == 0 && request[5] == 1;
        if (!asked)
            reply.reset();
    }
    if (!reply || decision.silent)
        return;
    Frame out = std::move(*reply);
    if (out[1] == 3 && (faults_.shortReply || faults_.badByteCount)) {
        out.resize(out.size() - 2);
        if (faults_.shortReply && out[2] >= 4) {
            out.resize(out.size() - 2);
            out[2] = static_cast<std::uint8_t>(out[2] - 2);
        }
        if (faults_.badByteCount)
            out[2] = static_cast<std::uint8_t>(out[2] + 2);
        RtuSlave::appendCrc(out);
    }
    if (decision.badCrc)
        out.back() ^= 0xFF;
    if (channel == Channel::Udp && faults_.oversizeDatagram)
        out.resize(kOversizeDatagram, 0);

    auto due = now + faults_.slow;
    if (channel == Channel::Serial && config_.wireTiming) {
        // A pseudo-terminal delivers at once; a real line needs its bit times for
        // the request and the reply, and the device a moment to turn round.
        const int perByte = config_.wireBitsPerByte > 0 ? config_.wireBitsPerByte : pty_->bitsPerByte();
        const auto bits = static_cast<double>(perByte) * static_cast<double>(request.size() + out.size());
        const auto wire = std::chrono::duration<double>(bits / pty_->baud());
        due = std::max(due, serialFreeAt_) + kTurnaround + std::chrono::duration_cast<Clock::duration>(wire);
        serialFreeAt_ = due;
    }
    // A device that repeats itself sends the copy right behind the reply (over UDP as a
    // datagram of its own).
    if (faults_.duplicate && channel == Channel::Udp)
        pending_.push_back({due, channel, out, from});
    else if (faults_.duplicate) {
        const Frame copy = out;
        out.insert(out.end(), copy.begin(), copy.end());
    }
    pending_.push_back({due, channel, std::move(out), from});
}

void SimServerImpl::acceptTcp(Clock::time_point now)
{
    const int fd = accept4(listener_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0)
        return;
    client_ = fd;
    ++connection_;
    ++accepts_;
    connectionRequests_ = 0;
    parser_ = AsyncRequestParser();
    nextUnsolicited_ = now + faults_.unsolicited;
}

void SimServerImpl::readTcp(Clock::time_point now)
{
    std::uint8_t chunk[4096];
    for (;;) {
        const ssize_t n = recv(client_, chunk, sizeof chunk, 0);
        if (n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) {
            closeClient(false);
            return;
        }
        if (n < 0)
            break;
        parser_.feed(chunk, static_cast<std::size_t>(n));
    }
    while (client_ >= 0) {
        const auto frame = parser_.next();
        if (!frame)
            break;
        answerAsync(*frame, now);
    }
}

void SimServerImpl::answerAsync(const AsyncFrame& request, Clock::time_point now)
{
    if (request.command != AsyncFrameSlave::kRead && request.command != AsyncFrameSlave::kWrite)
        return;
    countRequest();
    if (request.command == AsyncFrameSlave::kWrite)
        ++writes_;
    ++connectionRequests_;
    const auto due = now + faults_.slow;
    if (faults_.resetAfterSet && connectionRequests_ > faults_.resetAfter) {
        pending_.push_back({due, Channel::Tcp, {}, {}, connection_, true});
        return;
    }
    const auto decision = faults_.decide(requests_ - faultBase_, now);
    std::optional<Frame> reply;
    if (faults_.exception != 0 && request.command == AsyncFrameSlave::kWrite)
        reply = AsyncFrameSlave::encode(AsyncFrameSlave::kWrite, request.sequence, static_cast<std::uint16_t>(faults_.exception), {});
    else
        reply = async_->handle(request);
    if (const auto only = device_->answerOnly()) {
        const bool asked = request.command == AsyncFrameSlave::kRead && request.count == 1 && request.items.size() >= 2
            && (request.items[0] | request.items[1] << 8) == device_->toWire(*only);
        if (!asked)
            reply.reset();
    }
    if (!reply || decision.silent)
        return;
    Frame out = std::move(*reply);
    if (faults_.badByteCount && request.command == AsyncFrameSlave::kRead) {
        const auto count = static_cast<std::uint16_t>((out[10] | out[11] << 8) + 1);
        out[10] = static_cast<std::uint8_t>(count & 0xFF);
        out[11] = static_cast<std::uint8_t>(count >> 8);
    }
    if (faults_.oversizeFrame) {
        Frame payload(out.begin() + 6, out.end());
        payload.resize(kOversizeLength, 0);
        out = {0x5D, 0x73, 0x91, 0xAD, kOversizeLength & 0xFF, kOversizeLength >> 8};
        out.insert(out.end(), payload.begin(), payload.end());
    }
    if (faults_.split && out.size() > 1) {
        const auto half = static_cast<std::ptrdiff_t>(out.size() / 2);
        pending_.push_back({due, Channel::Tcp, Frame(out.begin(), out.begin() + half), {}, connection_});
        pending_.push_back({due + kSplitGap, Channel::Tcp, Frame(out.begin() + half, out.end()), {}, connection_});
        return;
    }
    if (faults_.duplicate) {
        const Frame copy = out;
        out.insert(out.end(), copy.begin(), copy.end());
    }
    pending_.push_back({due, Channel::Tcp, std::move(out), {}, connection_});
}

void SimServerImpl::pushUnsolicited(Clock::time_point now)
{
    std::vector<std::uint16_t> wires;
    for (const auto r : device_->liveRegisters())
        wires.push_back(device_->toWire(r));
    pending_.push_back({now, Channel::Tcp, async_->registerData(kUnsolicitedSequence, wires), {}, connection_});
    nextUnsolicited_ = now + faults_.unsolicited;
}

void SimServerImpl::sendDue(Clock::time_point now)
{
    // Stable order: replies due at the same moment leave in the order they were made.
    std::stable_sort(pending_.begin(), pending_.end(), [](const Pending& a, const Pending& b) { return a.due < b.due; });
    std::size_t sent = 0;
    while (sent < pending_.size() && pending_[sent].due <= now)
        send(pending_[sent++]);
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(sent));
}

void SimServerImpl::send(Pending& p)
{
    switch (p.channel) {
    case Channel::Serial:
        if (pty_)
            [[maybe_unused]] const auto n = write(pty_->fd(), p.bytes.data(), p.bytes.size());
        break;
    case Channel::Udp:
        sendto(udp_, p.bytes.data(), p.bytes.size(), 0, reinterpret_cast<const sockaddr*>(&p.to), sizeof p.to);
        break;
    case Channel::Tcp:
        if (client_ < 0 || p.connection != connection_)
            break;
        if (p.reset) {
            closeClient(true);
            break;
        }
        [[maybe_unused]] const auto n = ::send(client_, p.bytes.data(), p.bytes.size(), MSG_NOSIGNAL);
        break;
    }
}

void SimServerImpl::closeClient(bool reset)
{
    if (client_ < 0)
        return;
    if (reset) {
        // Linger 0: close sends RST instead of FIN.
        const linger hard{1, 0};
        setsockopt(client_, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
    }
    closeFd(client_);
    parser_ = AsyncRequestParser();
}

} // namespace qlxsim
