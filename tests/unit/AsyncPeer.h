#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// A scripted device on a real loopback TCP listener, for the asynchronous link
// tests. It serves one connection at a time, cuts the incoming bytes into frames
// with a parser of its own, records each and hands it to the handler, which answers
// through send() (in pieces if it likes), resets the connection, or stays silent.
// The frame helpers build device frames independently of the tool's code.
class AsyncPeer {
public:
    using Bytes = std::vector<std::uint8_t>;
    struct Frame {
        std::uint16_t command = 0;
        std::uint16_t sequence = 0;
        std::uint16_t count = 0;
        std::vector<std::uint16_t> words; // the items, little-endian words
        Bytes raw;                        // the whole frame as received
    };
    using Handler = std::function<void(const Frame&, AsyncPeer&)>;

    explicit AsyncPeer(Handler handler);
    ~AsyncPeer();
    AsyncPeer(const AsyncPeer&) = delete;
    AsyncPeer& operator=(const AsyncPeer&) = delete;

    std::uint16_t port() const { return port_; }
    std::vector<Frame> frames() const;
    std::size_t connections() const;

    // From the handler or from the test: bytes to the connected tool. These three
    // wait (at most 10 s) for a connection to be accepted.
    void send(const Bytes& bytes);
    // Drops the connection with a reset (the device rebooted), or ends it in order;
    // both take effect once the handler (if running) returns.
    void reset();
    void hangUp();
    // Blocks until `n` frames were received (false after 10 s).
    bool waitForFrames(std::size_t n);

    // Device frames: magic, little-endian length, payload.
    static Bytes frame(std::uint16_t command, std::uint16_t sequence, std::uint16_t count, const std::vector<std::uint16_t>& words);
    static Bytes registerData(std::uint16_t sequence, const std::vector<std::pair<std::uint16_t, std::uint16_t>>& pairs);
    static Bytes writeReply(std::uint16_t sequence, std::uint16_t status);

private:
    void run();
    // False when the peer is stopping.
    bool serve(int fd);
    void command(char c);
    void waitForClient();
    void closeClient(bool withReset);

    Handler handler_;
    int listener_ = -1;
    int commandPipe_[2] = {-1, -1}; // s stop, h hang up, r reset
    std::uint16_t port_ = 0;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    int client_ = -1;
    std::size_t connections_ = 0;
    std::vector<Frame> frames_;
    std::thread thread_;
};
