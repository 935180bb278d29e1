// The asynchronous TCP frame parser and the frame handling behind it: any byte
// stream, cut into pieces of any size, must neither overrun the payload buffer nor
// hand on a payload outside the lengths a frame may have.
#include "device/RegisterImage.h"
#include "link/AsyncFrame.h"
#include "link/AsyncFrameParser.h"

#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    RegisterImage image;
    image.setDeviceType(data[0] % 5);
    // The piece size of the stream, as data events would cut it: 1..256 bytes.
    const std::size_t piece = 1u + data[1];
    AsyncFrameParser parser([&](std::span<const std::uint8_t> payload) {
        if (payload.size() < asyncframe::kMinPayload || payload.size() > asyncframe::kMaxPayload)
            std::abort();
        (void)asyncframe::payloadSequence(payload);
        if (!asyncframe::writeStatus(payload))
            std::abort();
        if (asyncframe::payloadCommand(payload) != asyncframe::kCommandRegisterData)
            return;
        const auto pairs = asyncframe::registerDataPairs(payload);
        if (pairs.size() > (payload.size() - asyncframe::kMinPayload) / 4)
            std::abort();
        for (const auto& p : pairs)
            image.storeRegisterValue(p.reg, p.value);
    });
    const std::span<const std::uint8_t> stream(data + 2, size - 2);
    for (std::size_t at = 0; at < stream.size(); at += piece)
        parser.feed(stream.subspan(at, std::min(piece, stream.size() - at)));
    if (parser.state() < 0 || parser.state() > 6)
        std::abort();
    return 0;
}
