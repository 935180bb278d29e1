#include "link/RtuReceiver.h"

#include "link/RtuFrame.h"
#include "link/SerialPort.h"
#include "link/UdpLink.h"

#include <algorithm>
#include <cstring>

using rtu::ScanKind;

RtuReceiver::RtuReceiver(SerialPort& serial, UdpLink& udp)
    : serial_(serial)
    , udp_(udp)
{
}

RtuReceiver::Result RtuReceiver::await(bool network, const rtu::Expectation& expected, Deadline deadline)
{
    have_ = 0;
    return network ? awaitUdp(expected, deadline) : awaitSerial(expected, deadline);
}

void RtuReceiver::drop(std::size_t count)
{
    std::memmove(buffer_.data(), buffer_.data() + count, have_ - count);
    have_ -= count;
}

RtuReceiver::Result RtuReceiver::found(const rtu::ScanStep& step, const std::uint8_t* frame)
{
    Result r{step.kind, step.length, {}};
    if (step.kind == ScanKind::Exception)
        r.error = {LinkFault::Exception, frame[2]};
    return r;
}

// No answer came. A shorter read reply seen meanwhile names the likeliest cause; its
// words are not taken, as it cannot be told from a late reply to a smaller read.
bool RtuReceiver::badByteCount(const std::uint8_t* data, std::size_t size, const rtu::Expectation& expected)
{
    return size >= 5 && data[0] == expected.slave && data[1] == 3 && expected.function == 3 && data[2] + 5u != size
        && rtu::crcValid(data, size);
}

RtuReceiver::Result RtuReceiver::none(const Seen& seen, const rtu::Expectation& expected)
{
    if (seen.badByteCount)
        return {ScanKind::NeedMore, 0, {LinkFault::BadByteCount}};
    if (seen.shortValues >= 0)
        return {ScanKind::NeedMore, 0, {LinkFault::ShortReply, expected.count, 0, seen.shortValues}};
    return {ScanKind::NeedMore, 0, {seen.badCrc ? LinkFault::BadCrc : LinkFault::Timeout}};
}

void RtuReceiver::note(Seen& seen, const rtu::ScanStep& step)
{
    seen.badCrc = seen.badCrc || step.badCrc;
    if (step.kind == ScanKind::ShortAnswer)
        seen.shortValues = rtu::readReplyValues(step.length);
}

RtuReceiver::Result RtuReceiver::awaitSerial(const rtu::Expectation& expected, Deadline deadline)
{
    Seen seen;
    bool timedOut = false;
    for (;;) {
        const rtu::ScanStep step = rtu::scanReply(buffer_.data(), have_, expected);
        switch (step.kind) {
        case ScanKind::Skip:
        case ScanKind::ShortAnswer:
            note(seen, step);
            drop(step.length);
            continue;
        case ScanKind::NeedMore:
            if (timedOut) {
                // What looked like the start of a frame never completed: the answer
                // may still lie behind it.
                if (have_ == 0)
                    return none(seen, expected);
                seen.badByteCount = seen.badByteCount || badByteCount(buffer_.data(), have_, expected);
                drop(1);
                continue;
            }
            {
                const std::size_t got = serial_.read(buffer_.data() + have_, buffer_.size() - have_,
                                                     step.length - have_, deadline);
                have_ += got;
                timedOut = have_ < step.length;
            }
            continue;
        default:
            return found(step, buffer_.data());
        }
    }
}

RtuReceiver::Result RtuReceiver::awaitUdp(const rtu::Expectation& expected, Deadline deadline)
{
    Seen seen;
    // The length of a datagram that carried the answer with more bytes behind it.
    std::size_t padded = 0;
    for (;;) {
        const std::size_t got = udp_.receive(buffer_.data(), buffer_.size(), 1, deadline);
        const std::size_t oversize = got == 0 ? std::max(udp_.lastOversize(), padded) : 0;
        if (oversize > 0)
            return {ScanKind::NeedMore, 0, {LinkFault::OversizeDatagram, 0, 0, static_cast<int>(oversize)}};
        if (got == 0)
            return none(seen, expected);
        have_ = got;
        // One frame a datagram: anything around it makes the whole datagram suspect.
        const rtu::ScanStep step = rtu::scanReply(buffer_.data(), have_, expected);
        const bool whole = step.length == have_;
        const bool answer = step.kind == ScanKind::Answer || step.kind == ScanKind::Exception;
        if (whole && answer)
            return found(step, buffer_.data());
        if (answer)
            padded = have_;
        else
            seen.badByteCount = seen.badByteCount || badByteCount(buffer_.data(), have_, expected);
        note(seen, step);
    }
}
