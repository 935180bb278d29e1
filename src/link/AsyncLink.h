#pragma once

#include "link/AsyncFrame.h"
#include "link/AsyncFrameParser.h"
#include "link/AsyncReplyMatcher.h"
#include "link/EventPump.h"
#include "link/LinkError.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

// The asynchronous TCP link: a non-blocking stream socket watched by the event pump,
// one request in flight at a time, matched to its reply by sequence number, and the
// read and write queues that screens fill and then flush at once.
//
// A request waits in the pump, so socket events (and, in the GUI, the whole window)
// keep running; a request started from inside that wait fails at once on the busy
// flag and sends nothing. Register data is handed to `store` when it answers the read
// that asked for it, or when it answers no request (the device may push values of
// its own); a reply that does not answer its read, and the late reply of a request
// that already gave up, are not stored: they are not what the device holds now.
class AsyncLink final : public SocketEventSink {
public:
    using RegisterStore = std::function<void(std::uint16_t reg, std::uint16_t value)>;

    AsyncLink(EventPump& pump, RegisterStore store);
    ~AsyncLink() override;
    AsyncLink(const AsyncLink&) = delete;
    AsyncLink& operator=(const AsyncLink&) = delete;

    // Starts connecting; true when the connection is under way. It is connected once
    // the connect event arrives.
    bool open(const std::string& deviceAddress, const std::string& localAddress, std::uint16_t port);
    void close();

    bool isOpen() const { return fd_ >= 0; }
    bool connected() const { return connected_; }
    bool busy() const { return busy_; }
    // errno of the last failed connect or of the event that closed the link; 0 = none.
    int lastError() const { return lastError_; }

    // Low 16 bits the event (read, connect, close), high 16 bits the error code.
    void socketEvent(std::uint32_t eventWord) override;

    // Lists longer than one frame carries go as several requests, one after the
    // other; the first that fails ends the operation. A read succeeds only when its
    // reply carries a pair for every register asked and none for another; `values`
    // then holds them in the order asked.
    bool read(std::span<const std::uint16_t> registers, Seconds timeout, std::vector<std::uint16_t>* values = nullptr);
    // True only when every reply arrived with a status word of 0.
    bool write(std::span<const asyncframe::Pair> pairs, Seconds timeout);
    // A write confirmed by reading the registers back: true only when each holds the
    // last value written to it.
    bool writeAndReadBack(std::span<const asyncframe::Pair> pairs, Seconds timeout);
    // A read without a reply, or with one that does not carry what was asked, is
    // asked again up to `retries` more times; writes never are.
    void setReadRetries(int retries) { readRetries_ = retries; }
    // Why the last request failed.
    const LinkError& lastFault() const { return fault_; }

    void queueRead(std::uint16_t reg) { readQueue_.push_back(reg); }
    void queueWrite(asyncframe::Pair pair) { writeQueue_.push_back(pair); }
    // Both empty their queue whatever the outcome. Writes are read back afterwards.
    bool flushReads(Seconds timeout);
    bool flushWrites(Seconds timeout);
    std::size_t queuedReads() const { return readQueue_.size(); }
    std::size_t queuedWrites() const { return writeQueue_.size(); }

    std::uint16_t sequenceCounter() const { return sequenceCounter_; }
    void setSequenceCounter(std::uint16_t next) { sequenceCounter_ = next; }
    std::uint16_t lastReceivedSequence() const { return lastReceivedSequence_; }
    std::size_t droppedFrames() const { return parser_.droppedFrames(); }

private:
    // Sends one frame built with the next sequence number and waits for its reply,
    // which is then in replyPayload_.
    bool request(const std::function<std::vector<std::uint8_t>(std::uint16_t)>& build, Seconds timeout);
    bool fail(LinkError error);
    bool sendAll(std::span<const std::uint8_t> frame, Deadline deadline);
    void receive();
    void handleFrame(std::span<const std::uint8_t> payload);
    void storeData(std::span<const std::uint8_t> payload);
    void resetExchange();

    EventPump& pump_;
    RegisterStore store_;
    AsyncFrameParser parser_;
    int fd_ = -1;
    bool connected_ = false;
    int lastError_ = 0;
    // Changes on every open and close, so a waiting request sees its link go away.
    unsigned generation_ = 0;

    int readRetries_ = 0;
    bool busy_ = false;
    bool replyArrived_ = false;
    std::uint16_t sequenceCounter_ = 0;
    std::uint16_t sequenceInFlight_ = 0;
    std::uint16_t lastReceivedSequence_ = 0;
    std::vector<std::uint8_t> replyPayload_;
    LinkError fault_;
    AsyncReplyMatcher matcher_;

    std::vector<std::uint16_t> readQueue_;
    std::vector<asyncframe::Pair> writeQueue_;
};
