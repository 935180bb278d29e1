#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// A scripted device on the other end of a real pseudo-terminal. Each complete RTU
// request the tool sends is recorded and handed to the handler, whose bytes (if
// any) go back on the line.
class PtyPeer {
public:
    using Handler = std::function<Bytes(const Bytes& request)>;

    explicit PtyPeer(Handler handler);
    ~PtyPeer();
    PtyPeer(const PtyPeer&) = delete;
    PtyPeer& operator=(const PtyPeer&) = delete;

    // The path the tool opens as its serial port.
    const std::string& path() const { return path_; }
    std::vector<Bytes> requests() const;
    void clearRequests();
    // Bytes written on the line without being asked.
    void sendRaw(const Bytes& bytes);

private:
    void run();

    Handler handler_;
    int master_ = -1;
    int slave_ = -1;
    int stopPipe_[2] = {-1, -1};
    std::string path_;
    mutable std::mutex mutex_;
    std::vector<Bytes> requests_;
    std::thread thread_;
};

// Appends the Modbus CRC (low byte first).
Bytes withCrc(Bytes frame);
// A function-3 reply carrying `values`.
Bytes readReply(std::uint8_t slave, const std::vector<std::uint16_t>& values);
