#pragma once

#include "AsyncRequestParser.h"
#include "AsyncFrameSlave.h"
#include "FaultPlan.h"
#include "Frame.h"
#include "PtyPort.h"
#include "RtuSlave.h"
#include "RtuStreamSplitter.h"
#include "SimConfig.h"
#include "SimDevice.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <netinet/in.h>
#include <thread>
#include <time.h>
#include <vector>

namespace qlxsim {

// The serving thread behind SimServer: one poll() loop over the pseudo-terminal,
// the UDP socket and the TCP listener and client, with replies queued by the
// time they are due (slow replies, split frames, wire timing).
class SimServerImpl {
public:
    SimServerImpl(const SimConfig& config, const SimTransports& transports);
    ~SimServerImpl();
    SimServerImpl(const SimServerImpl&) = delete;
    SimServerImpl& operator=(const SimServerImpl&) = delete;

    std::string serialPath() const { return pty_ ? pty_->path() : std::string(); }
    std::uint16_t udpPort() const { return udpPort_; }
    std::uint16_t tcpPort() const { return tcpPort_; }
    std::uint16_t reg(std::uint16_t r);
    void setReg(std::uint16_t r, std::uint16_t value);
    void setFaults(const std::string& list);
    bool setEventCount(int count);
    void applyPreset(const std::string& names);
    std::uint64_t requestCount() const;
    std::uint64_t writeCount() const;
    bool waitForRequests(std::uint64_t n, std::chrono::milliseconds timeout) const;
    std::uint64_t tcpAcceptCount() const;
    void stop();

private:
    using Clock = std::chrono::steady_clock;
    enum class Channel { Serial, Udp, Tcp };
    struct Pending {
        Clock::time_point due;
        Channel channel;
        Frame bytes;
        sockaddr_in to{};
        std::uint64_t connection = 0;
        bool reset = false;
    };

    void run();
    void readSerial(Clock::time_point now);
    void readUdp(Clock::time_point now);
    void acceptTcp(Clock::time_point now);
    void readTcp(Clock::time_point now);
    void answerRtu(const Frame& request, Channel channel, const sockaddr_in& from, Clock::time_point now);
    void answerAsync(const AsyncFrame& request, Clock::time_point now);
    void pushUnsolicited(Clock::time_point now);
    void sendDue(Clock::time_point now);
    void send(Pending& p);
    void closeClient(bool reset);
    void countRequest();
    void applyFaults(const std::string& list);
    void configureListener();
    timespec pollTimeout(Clock::time_point now) const;
    void wake();

    SimConfig config_;
    std::unique_ptr<SimDevice> device_;
    std::unique_ptr<RtuSlave> rtu_;
    std::unique_ptr<AsyncFrameSlave> async_;
    FaultPlan faults_;
    std::string presetFaults_;

    mutable std::mutex mutex_;
    mutable std::condition_variable requestsChanged_;
    std::uint64_t requests_ = 0;
    std::uint64_t writes_ = 0;      // write requests (functions 6 and 16, TCP writes)
    std::uint64_t faultBase_ = 0;   // requests_ when the faults were last set
    std::uint64_t accepts_ = 0;

    std::unique_ptr<PtyPort> pty_;
    RtuStreamSplitter splitter_;
    Clock::time_point lastSerialByte_{};
    Clock::time_point serialFreeAt_{};

    int udp_ = -1;
    int listener_ = -1;
    int client_ = -1;
    int filler_ = -1;
    std::uint16_t udpPort_ = 0;
    std::uint16_t tcpPort_ = 0;
    std::uint64_t connection_ = 0;
    std::uint64_t connectionRequests_ = 0;
    AsyncRequestParser parser_;
    Clock::time_point nextUnsolicited_{};

    std::vector<Pending> pending_;
    int wake_[2] = {-1, -1};
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

} // namespace qlxsim
