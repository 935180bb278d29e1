#pragma once

#include "AsyncPeer.h"
#include "AsyncTestPump.h"
#include "device/DeviceLink.h"

#include <gtest/gtest.h>

#include <map>
#include <mutex>

// DeviceLink over a real loopback TCP connection to a scripted peer. By default the
// peer behaves as a device: it answers reads with register data from `device` and
// stores writes with status 0. A test replaces `script` to misbehave.
class AsyncLinkFixture : public ::testing::Test {
protected:
    using Frame = AsyncPeer::Frame;
    using Bytes = AsyncPeer::Bytes;

    void answer(const Frame& f, AsyncPeer& p)
    {
        std::lock_guard lock(deviceMutex);
        if (f.command == 1) {
            // A frame carries at most 498 pairs: a longer answer goes in pieces, and
            // only the last one bears the request's sequence.
            constexpr std::size_t kPairsPerFrame = 498;
            Bytes reply;
            for (std::size_t at = 0; at < f.words.size(); at += kPairsPerFrame) {
                std::vector<std::pair<std::uint16_t, std::uint16_t>> pairs;
                for (std::size_t i = at; i < f.words.size() && i < at + kPairsPerFrame; ++i)
                    pairs.emplace_back(f.words[i], device[f.words[i]]);
                const bool last = at + kPairsPerFrame >= f.words.size();
                const Bytes piece = AsyncPeer::registerData(last ? f.sequence : f.sequence ^ 0x8000, pairs);
                reply.insert(reply.end(), piece.begin(), piece.end());
            }
            p.send(reply);
        } else if (f.command == 10) {
            for (std::size_t i = 0; i + 1 < f.words.size(); i += 2)
                device[f.words[i]] = f.words[i + 1];
            p.send(AsyncPeer::writeReply(f.sequence, 0));
        }
    }

    void setDevice(std::uint16_t wireAddress, std::uint16_t value)
    {
        std::lock_guard lock(deviceMutex);
        device[wireAddress] = value;
    }

    std::uint16_t deviceValue(std::uint16_t wireAddress)
    {
        std::lock_guard lock(deviceMutex);
        return device[wireAddress];
    }

    // Opens the link and pumps until the connect event (or its failure) arrived.
    bool connect(std::uint16_t port)
    {
        if (!link.openTcp("127.0.0.1", "", port))
            return false;
        pump.runUntil([&] { return link.connected() || link.lastSocketError() != 0; }, deadlineAfter(Seconds(10)));
        return link.connected();
    }
    bool connect() { return connect(peer.port()); }

    AsyncTestPump pump;
    DeviceLink link{pump};
    std::mutex deviceMutex;
    std::map<std::uint16_t, std::uint16_t> device;
    std::function<void(const Frame&, AsyncPeer&)> script = [this](const Frame& f, AsyncPeer& p) { answer(f, p); };
    AsyncPeer peer{[this](const Frame& f, AsyncPeer& p) { script(f, p); }};
};
