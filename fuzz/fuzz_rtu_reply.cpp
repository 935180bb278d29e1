// The master's search for the answer to one RTU request in whatever a serial port or
// a UDP datagram delivered. Whatever the bytes: every step consumes bytes or asks for
// more, never more than are there; a read counts as answered only with exactly the
// registers asked (a shorter reply is skipped like any frame that is not the answer,
// and is the failure's cause if nothing else comes), and an answer's CRC checks.
#include "device/RegisterImage.h"
#include "link/RtuFrame.h"
#include "link/RtuReplyScan.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2 || size - 2 > 4 * rtu::kBufferSize)
        return 0;
    static constexpr std::uint8_t kFunctions[] = {3, 6, 16};
    rtu::Expectation e;
    e.function = kFunctions[data[0] % 3];
    e.count = static_cast<std::uint16_t>(1 + data[1] % rtu::kMaxReadCount);
    e.address = 2000;
    const std::uint8_t* bytes = data + 2;
    std::size_t left = size - 2;

    RegisterImage image;
    while (left > 0) {
        const rtu::ScanStep step = rtu::scanReply(bytes, left, e);
        if (step.kind == rtu::ScanKind::NeedMore) {
            if (step.length <= left)
                std::abort();
            break;
        }
        if (step.length == 0 || step.length > left)
            std::abort();
        if (step.kind == rtu::ScanKind::ShortAnswer && (e.function != 3 || step.length >= 2u * e.count + 5))
            std::abort();
        if (step.kind == rtu::ScanKind::Answer || step.kind == rtu::ScanKind::Exception) {
            if (!rtu::crcValid(bytes, step.length))
                std::abort();
            const std::size_t full = 2u * e.count + 5;
            if (step.kind == rtu::ScanKind::Answer && e.function == 3 && step.length != full)
                std::abort();
            if (step.kind == rtu::ScanKind::Answer && e.function == 3) {
                for (int i = 0; i < rtu::readReplyValues(step.length); ++i)
                    image.storeRegisterValue(2000 + i, bytes[3 + 2 * i] * 256 + bytes[4 + 2 * i]);
            }
            break;
        }
        bytes += step.length;
        left -= step.length;
    }
    return 0;
}
