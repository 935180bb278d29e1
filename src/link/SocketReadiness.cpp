#include "link/SocketReadiness.h"

#include "link/EventPump.h"

#include <cerrno>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>

namespace {

std::uint16_t pendingError(int fd, int fallback)
{
    int error = 0;
    socklen_t length = sizeof error;
    if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0)
        error = errno;
    if (error == 0)
        error = fallback;
    return static_cast<std::uint16_t>(error & 0xFFFF);
}

} // namespace

std::uint32_t socketEventFromReadiness(int fd, short revents, bool& connecting)
{
    if (connecting) {
        // POLLNVAL too: a socket closed behind the pump's back would otherwise be
        // reported by every poll and never handled.
        if ((revents & (POLLOUT | POLLERR | POLLHUP | POLLNVAL)) == 0)
            return 0;
        connecting = false;
        const int fallback = (revents & POLLNVAL) ? EBADF : (revents & (POLLERR | POLLHUP)) ? ECONNREFUSED : 0;
        return makeSocketEventWord(kSocketConnect, pendingError(fd, fallback));
    }
    if (revents & POLLIN) {
        int pending = 0;
        if (ioctl(fd, FIONREAD, &pending) == 0 && pending > 0)
            return makeSocketEventWord(kSocketRead, 0);
        char probe = 0;
        const ssize_t got = recv(fd, &probe, 1, MSG_PEEK | MSG_DONTWAIT);
        if (got > 0)
            return makeSocketEventWord(kSocketRead, 0);
        if (got == 0)
            return makeSocketEventWord(kSocketClose, 0);
        if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)
            return 0;
        return makeSocketEventWord(kSocketClose, static_cast<std::uint16_t>(errno & 0xFFFF));
    }
    if (revents & (POLLERR | POLLHUP | POLLNVAL))
        return makeSocketEventWord(kSocketClose, pendingError(fd, ECONNRESET));
    return 0;
}
