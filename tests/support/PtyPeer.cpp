#include "support/PtyPeer.h"

#include "link/Crc16.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace {

// Length of the RTU request at the front of `buf`, or 0 while it is incomplete.
std::size_t requestLength(const Bytes& buf)
{
    if (buf.size() < 2)
        return 0;
    switch (buf[1]) {
    case 3:
    case 6:
        return buf.size() >= 8 ? 8 : 0;
    case 16:
        if (buf.size() < 7)
            return 0;
        return buf.size() >= 9u + buf[6] ? 9u + buf[6] : 0;
    default:
        return buf.size();
    }
}

} // namespace

Bytes withCrc(Bytes frame)
{
    const std::uint16_t crc = crc16Modbus(frame.data(), frame.size());
    frame.push_back(static_cast<std::uint8_t>(crc & 0xFF));
    frame.push_back(static_cast<std::uint8_t>(crc >> 8));
    return frame;
}

Bytes readReply(std::uint8_t slave, const std::vector<std::uint16_t>& values)
{
    Bytes frame{slave, 3, static_cast<std::uint8_t>(2 * values.size())};
    for (std::uint16_t v : values) {
        frame.push_back(static_cast<std::uint8_t>(v >> 8));
        frame.push_back(static_cast<std::uint8_t>(v & 0xFF));
    }
    return withCrc(frame);
}

PtyPeer::PtyPeer(Handler handler)
    : handler_(std::move(handler))
{
    termios raw{};
    cfmakeraw(&raw);
    char name[256] = {};
    if (openpty(&master_, &slave_, name, &raw, nullptr) != 0)
        throw std::runtime_error("openpty failed");
    path_ = name;
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    if (pipe(stopPipe_) != 0)
        throw std::runtime_error("pipe failed");
    thread_ = std::thread([this] { run(); });
}

PtyPeer::~PtyPeer()
{
    const char stop = 1;
    [[maybe_unused]] auto n = write(stopPipe_[1], &stop, 1);
    thread_.join();
    close(stopPipe_[0]);
    close(stopPipe_[1]);
    close(slave_);
    close(master_);
}

std::vector<Bytes> PtyPeer::requests() const
{
    std::lock_guard lock(mutex_);
    return requests_;
}

void PtyPeer::clearRequests()
{
    std::lock_guard lock(mutex_);
    requests_.clear();
}

void PtyPeer::sendRaw(const Bytes& bytes)
{
    [[maybe_unused]] auto n = write(master_, bytes.data(), bytes.size());
}

void PtyPeer::run()
{
    Bytes pending;
    for (;;) {
        pollfd fds[2] = {{master_, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
        if (poll(fds, 2, -1) < 0 && errno != EINTR)
            return;
        if (fds[1].revents)
            return;
        if (!(fds[0].revents & POLLIN))
            continue;
        std::uint8_t chunk[512];
        const ssize_t n = read(master_, chunk, sizeof chunk);
        if (n <= 0)
            continue;
        pending.insert(pending.end(), chunk, chunk + n);
        while (const std::size_t length = requestLength(pending)) {
            Bytes request(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(length));
            pending.erase(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(length));
            {
                std::lock_guard lock(mutex_);
                requests_.push_back(request);
            }
            const Bytes reply = handler_(request);
            if (!reply.empty())
                sendRaw(reply);
        }
    }
}
