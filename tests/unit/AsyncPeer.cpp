#include "AsyncPeer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace {

void putWord(AsyncPeer::Bytes& out, std::uint16_t w)
{
    out.push_back(static_cast<std::uint8_t>(w & 0xFF));
    out.push_back(static_cast<std::uint8_t>(w >> 8));
}

std::uint16_t word(const AsyncPeer::Bytes& b, std::size_t at)
{
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

} // namespace

AsyncPeer::Bytes AsyncPeer::frame(std::uint16_t command, std::uint16_t sequence, std::uint16_t count,
                                  const std::vector<std::uint16_t>& words)
{
    Bytes f{0x5D, 0x73, 0x91, 0xAD};
    putWord(f, static_cast<std::uint16_t>(6 + 2 * words.size()));
    putWord(f, command);
    putWord(f, sequence);
    putWord(f, count);
    for (std::uint16_t w : words)
        putWord(f, w);
    return f;
}

AsyncPeer::Bytes AsyncPeer::registerData(std::uint16_t sequence,
                                         const std::vector<std::pair<std::uint16_t, std::uint16_t>>& pairs)
{
    std::vector<std::uint16_t> words;
    for (const auto& [r, v] : pairs) {
        words.push_back(r);
        words.push_back(v);
    }
    return frame(2, sequence, static_cast<std::uint16_t>(pairs.size()), words);
}

AsyncPeer::Bytes AsyncPeer::writeReply(std::uint16_t sequence, std::uint16_t status)
{
    return frame(10, sequence, status, {});
}

AsyncPeer::AsyncPeer(Handler handler)
    : handler_(std::move(handler))
{
    listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in at{};
    at.sin_family = AF_INET;
    at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof at;
    if (listener_ < 0 || bind(listener_, reinterpret_cast<sockaddr*>(&at), sizeof at) != 0 || listen(listener_, 4) != 0
        || getsockname(listener_, reinterpret_cast<sockaddr*>(&at), &length) != 0 || pipe(commandPipe_) != 0)
        throw std::runtime_error("AsyncPeer: cannot listen on loopback");
    port_ = ntohs(at.sin_port);
    thread_ = std::thread([this] { run(); });
}

AsyncPeer::~AsyncPeer()
{
    command('s');
    thread_.join();
    if (client_ >= 0)
        close(client_);
    close(listener_);
    close(commandPipe_[0]);
    close(commandPipe_[1]);
}

void AsyncPeer::command(char c)
{
    [[maybe_unused]] auto n = write(commandPipe_[1], &c, 1);
}

std::vector<AsyncPeer::Frame> AsyncPeer::frames() const
{
    std::lock_guard lock(mutex_);
    return frames_;
}

std::size_t AsyncPeer::connections() const
{
    std::lock_guard lock(mutex_);
    return connections_;
}

bool AsyncPeer::waitForFrames(std::size_t n)
{
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::seconds(10), [&] { return frames_.size() >= n; });
}

void AsyncPeer::send(const Bytes& bytes)
{
    // The tool may see its connection complete before this side accepted it.
    waitForClient();
    std::lock_guard lock(mutex_);
    if (client_ >= 0)
        [[maybe_unused]] auto n = ::send(client_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
}

// The connection is closed by the thread that serves it: closing a socket under
// another thread's poll() would neither wake it nor let the connection end.
void AsyncPeer::reset()
{
    waitForClient();
    command('r');
}

void AsyncPeer::hangUp()
{
    waitForClient();
    command('h');
}

void AsyncPeer::waitForClient()
{
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, std::chrono::seconds(10), [&] { return client_ >= 0; });
}

void AsyncPeer::closeClient(bool withReset)
{
    std::lock_guard lock(mutex_);
    if (withReset) {
        const linger hard{1, 0};
        setsockopt(client_, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
    }
    close(client_);
    client_ = -1;
}

void AsyncPeer::run()
{
    for (;;) {
        pollfd fds[2] = {{commandPipe_[0], POLLIN, 0}, {listener_, POLLIN, 0}};
        if (poll(fds, 2, -1) < 0)
            continue;
        char c = 0;
        if (fds[0].revents && read(commandPipe_[0], &c, 1) == 1 && c == 's')
            return;
        if (!fds[1].revents)
            continue;
        const int fd = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            continue;
        // Each piece a handler sends goes out at once, as a device's would.
        const int on = 1;
        setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        {
            std::lock_guard lock(mutex_);
            client_ = fd;
            ++connections_;
        }
        changed_.notify_all();
        if (!serve(fd))
            return;
    }
}

bool AsyncPeer::serve(int fd)
{
    Bytes pending;
    for (;;) {
        pollfd fds[2] = {{commandPipe_[0], POLLIN, 0}, {fd, POLLIN, 0}};
        if (poll(fds, 2, -1) < 0)
            continue;
        char c = 0;
        if (fds[0].revents && read(commandPipe_[0], &c, 1) == 1) {
            if (c == 's')
                return false;
            closeClient(c == 'r');
            return true;
        }
        std::uint8_t chunk[4096];
        const ssize_t n = recv(fd, chunk, sizeof chunk, 0);
        if (n <= 0) {
            closeClient(false);
            return true;
        }
        pending.insert(pending.end(), chunk, chunk + n);
        // The tool's frames are taken as they come, magic to last item, so a test
        // sees every byte it sent.
        for (;;) {
            if (pending.size() < 6)
                break;
            const std::size_t total = 6u + word(pending, 4);
            if (pending.size() < total)
                break;
            Frame f;
            f.raw.assign(pending.begin(), pending.begin() + static_cast<long>(total));
            pending.erase(pending.begin(), pending.begin() + static_cast<long>(total));
            if (total >= 12) {
                f.command = word(f.raw, 6);
                f.sequence = word(f.raw, 8);
                f.count = word(f.raw, 10);
                for (std::size_t at = 12; at + 1 < total; at += 2)
                    f.words.push_back(word(f.raw, at));
            }
            {
                std::lock_guard lock(mutex_);
                frames_.push_back(f);
            }
            changed_.notify_all();
            handler_(f, *this);
        }
    }
}
