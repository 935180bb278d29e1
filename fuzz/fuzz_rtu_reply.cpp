// The checks of a Modbus RTU reply, as the master applies them to what a serial
// port or a UDP datagram delivered: whatever the bytes, the values taken from an
// accepted read reply lie inside it and are no more than were asked for.
#include "device/RegisterImage.h"
#include "link/RtuFrame.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1 || size - 1 > rtu::kBufferSize)
        return 0;
    const int countAsked = 1 + data[0] % rtu::kMaxReadCount;
    const std::uint8_t* reply = data + 1;
    const std::size_t length = size - 1;

    const int values = rtu::readReplyValueCount(reply, length, countAsked);
    if (values >= 0) {
        if (values > countAsked || 2u * static_cast<std::size_t>(values) + 5 != length)
            std::abort();
        RegisterImage image;
        for (int i = 0; i < values; ++i)
            image.storeRegisterValue(2000 + i, reply[3 + 2 * i] * 256 + reply[4 + 2 * i]);
    }
    if (rtu::isExceptionReply(reply, length, 3) && values >= 0)
        std::abort();
    if (length >= 3) {
        const std::size_t wanted = 2u * static_cast<std::size_t>(countAsked) + 5;
        if (rtu::expectedReplyLength(reply, wanted) > wanted)
            std::abort();
    }
    (void)rtu::crcValid(reply, length);
    return 0;
}
