#include "link/EventPump.h"
#include "link/SocketReadiness.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

std::uint16_t eventOf(std::uint32_t word)
{
    return static_cast<std::uint16_t>(word & 0xFFFF);
}

std::uint16_t errorOf(std::uint32_t word)
{
    return static_cast<std::uint16_t>(word >> 16);
}

} // namespace

TEST(AsyncSocketReadiness, ReadinessBecomesTheLinkEvents)
{
    int fds[2];
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0, fds), 0);

    bool connecting = true;
    std::uint32_t word = socketEventFromReadiness(fds[0], POLLOUT, connecting);
    EXPECT_EQ(eventOf(word), kSocketConnect);
    EXPECT_EQ(errorOf(word), 0);
    EXPECT_FALSE(connecting);

    EXPECT_EQ(socketEventFromReadiness(fds[0], POLLOUT, connecting), 0u) << "writable is not reported";
    ASSERT_EQ(write(fds[1], "ab", 2), 2);
    EXPECT_EQ(socketEventFromReadiness(fds[0], POLLIN, connecting), makeSocketEventWord(kSocketRead, 0));

    char buffer[2];
    ASSERT_EQ(read(fds[0], buffer, 2), 2);
    close(fds[1]);
    EXPECT_EQ(socketEventFromReadiness(fds[0], POLLIN | POLLHUP, connecting), makeSocketEventWord(kSocketClose, 0));
    close(fds[0]);
}

// A socket closed behind the pump's back must end its connect wait instead of
// being reported by every poll.
TEST(AsyncSocketReadiness, InvalidSocketWhileConnectingIsAFailedConnect)
{
    int fds[2];
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, fds), 0);
    close(fds[0]);
    close(fds[1]);
    bool connecting = true;
    const std::uint32_t word = socketEventFromReadiness(fds[0], POLLNVAL, connecting);
    EXPECT_EQ(eventOf(word), kSocketConnect);
    EXPECT_EQ(errorOf(word), EBADF);
    EXPECT_FALSE(connecting);
}
