#include "AsyncLinkFixture.h"

#include <arpa/inet.h>
#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>

namespace {

class AsyncConnectionTest : public AsyncLinkFixture {};

// A loopback port with nobody listening.
std::uint16_t closedPort()
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in at{};
    at.sin_family = AF_INET;
    at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof at;
    bind(fd, reinterpret_cast<sockaddr*>(&at), sizeof at);
    getsockname(fd, reinterpret_cast<sockaddr*>(&at), &length);
    close(fd);
    return ntohs(at.sin_port);
}

// A second socket on the same pump, standing for the rest of the program: it
// records the events it gets while the link is busy.
class SideChannel final : public SocketEventSink {
public:
    SideChannel(EventPump& pump, const AsyncLink& link) : pump_(pump), link_(link)
    {
        socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0, fds_);
        pump_.watchSocket(fds_[0], *this, false);
    }
    ~SideChannel() override
    {
        pump_.unwatchSocket(fds_[0]);
        close(fds_[0]);
        close(fds_[1]);
    }
    void poke() { [[maybe_unused]] auto n = write(fds_[1], "x", 1); }
    void socketEvent(std::uint32_t word) override
    {
        char c;
        if ((word & 0xFFFF) == kSocketRead && read(fds_[0], &c, 1) == 1)
            eventsWhileBusy += link_.busy() ? 1 : 0;
    }
    int eventsWhileBusy = 0;

private:
    EventPump& pump_;
    const AsyncLink& link_;
    int fds_[2];
};

} // namespace

TEST_F(AsyncConnectionTest, LinkIsConnectedOnlyOnceTheConnectEventArrives)
{
    ASSERT_TRUE(link.openTcp("127.0.0.1", "", peer.port()));
    EXPECT_TRUE(link.network());
    EXPECT_TRUE(link.asynchronous());
    EXPECT_FALSE(link.connected());
    EXPECT_FALSE(link.readRegisters(1, 1));
    pump.runUntil([&] { return link.connected(); }, deadlineAfter(Seconds(10)));
    EXPECT_TRUE(link.connected());
    EXPECT_TRUE(link.readRegisters(1, 1));
}

TEST_F(AsyncConnectionTest, RefusedConnectionLeavesTheLinkNotConnected)
{
    const std::uint16_t port = closedPort();
    if (link.openTcp("127.0.0.1", "", port)) {
        pump.runUntil([&] { return link.connected() || link.lastSocketError() != 0; }, deadlineAfter(Seconds(10)));
    }
    EXPECT_FALSE(link.connected());
    EXPECT_EQ(link.lastSocketError(), ECONNREFUSED);
    EXPECT_FALSE(link.readRegisters(1, 1));
}

TEST_F(AsyncConnectionTest, BadAddressesAreRefusedAtOpen)
{
    EXPECT_FALSE(link.openTcp("not an address", "", peer.port()));
    EXPECT_FALSE(link.openTcp("127.0.0.1", "300.1.1.1", peer.port()));
    EXPECT_TRUE(link.openTcp(" 127.0.0.1", " 127.0.0.1", peer.port()));
}

TEST_F(AsyncConnectionTest, OnlyAConnectEventWithAnErrorIsIgnored)
{
    ASSERT_TRUE(link.openTcp("127.0.0.1", "", peer.port()));
    link.socketEvent(makeSocketEventWord(kSocketConnect, ETIMEDOUT));
    EXPECT_FALSE(link.connected());
    EXPECT_EQ(link.lastSocketError(), ETIMEDOUT);
    link.socketEvent(makeSocketEventWord(kSocketConnect, 0));
    EXPECT_TRUE(link.connected());
}

TEST_F(AsyncConnectionTest, CloseEventWithOrWithoutAnErrorDisconnects)
{
    for (std::uint16_t error : {0, ECONNRESET, ETIMEDOUT}) {
        ASSERT_TRUE(connect()) << error;
        link.readRegisters(1, 2, true);
        link.socketEvent(makeSocketEventWord(kSocketClose, error));
        EXPECT_FALSE(link.connected()) << error;
        EXPECT_EQ(link.asyncLink().queuedReads(), 0u) << error;
        EXPECT_FALSE(link.readRegisters(1, 1)) << error;
    }
}

TEST_F(AsyncConnectionTest, PeerHangingUpEndsTheConnection)
{
    ASSERT_TRUE(connect());
    peer.hangUp();
    pump.runUntil([&] { return !link.connected(); }, deadlineAfter(Seconds(10)));
    EXPECT_FALSE(link.connected());
    EXPECT_EQ(link.lastSocketError(), 0);
}

TEST_F(AsyncConnectionTest, ResetMidReplyEndsTheWaitAndTheNextConnectionStartsClean)
{
    ASSERT_TRUE(connect());
    script = [this](const Frame& f, AsyncPeer& p) {
        const Bytes whole = AsyncPeer::registerData(f.sequence, {{1, 1}, {2, 2}});
        const int seen = pump.reads();
        p.send(Bytes(whole.begin(), whole.begin() + 10));
        ASSERT_TRUE(pump.waitForReadsAbove(seen));
        p.reset();
    };
    // Queued while the request waits: meant for the connection that is about to go.
    pump.duringWait = [&] { link.readRegisters(3, 1, true); };
    link.readRegisters(1, 2, true);
    const auto start = LinkClock::now();
    EXPECT_FALSE(link.flushQueuedReads(Seconds(30)));
    EXPECT_LT(LinkClock::now() - start, std::chrono::seconds(15)); // ended by the reset, not the time-out
    EXPECT_FALSE(link.connected());
    EXPECT_EQ(link.lastSocketError(), ECONNRESET);
    EXPECT_EQ(link.asyncLink().queuedReads(), 0u);
    EXPECT_FALSE(link.asyncLink().busy());

    // The half frame of the old connection must not swallow the new reply.
    pump.duringWait = nullptr;
    script = [this](const Frame& f, AsyncPeer& p) { answer(f, p); };
    setDevice(2, 99);
    ASSERT_TRUE(connect());
    EXPECT_TRUE(link.readRegisters(2, 1));
    EXPECT_EQ(link.registerValue(2), 99);
    EXPECT_EQ(peer.connections(), 2u);
}

TEST_F(AsyncConnectionTest, SilentPeerEndsAtTheTimeOutWhileThePumpKeepsRunning)
{
    ASSERT_TRUE(connect());
    SideChannel side(pump, link.asyncLink());
    script = [&side](const Frame&, AsyncPeer&) { side.poke(); };
    const Seconds timeout(0.3);
    link.readRegisters(1, 1, true);
    const auto start = LinkClock::now();
    EXPECT_FALSE(link.flushQueuedReads(timeout));
    EXPECT_GE(LinkClock::now() - start, std::chrono::duration_cast<LinkClock::duration>(timeout));
    EXPECT_EQ(side.eventsWhileBusy, 1);
    EXPECT_FALSE(link.asyncLink().busy());

    // The link survives a time-out, and a late reply to the old request does not
    // complete the next one.
    EXPECT_TRUE(link.connected());
    const std::uint16_t late = peer.frames().back().sequence;
    script = [this, late](const Frame& f, AsyncPeer& p) {
        const int seen = pump.reads();
        p.send(AsyncPeer::writeReply(late, 0));
        ASSERT_TRUE(pump.waitForReadsAbove(seen));
        answer(f, p);
    };
    setDevice(1, 5);
    EXPECT_TRUE(link.readRegisters(1, 1));
    EXPECT_EQ(link.registerValue(1), 5);
}
