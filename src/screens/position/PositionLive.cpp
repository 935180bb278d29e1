#include "screens/position/PositionLive.h"

#include "device/ReceivedValue.h"

namespace {
constexpr int kStyle = 703;
constexpr int kNeutral = 704;
constexpr int kReadingMode = 707;
constexpr int kTapPosition = 1015;
constexpr int kOhms = 1016;
constexpr int kMilliamps = 1017;
constexpr int kFailureBits = 1965;
constexpr int kRelayStates = 1100;
} // namespace

std::vector<RegisterRun> positionLiveReads()
{
    // The reading mode decides whether there is an indicated position, and the device
    // may change it: it is read with the rest.
    return {{1500, 1}, {kStyle, 1}, {601, 6}, {kRelayStates, 10}, {kTapPosition, 3}, {kFailureBits, 1}, {kReadingMode, 1}};
}

std::optional<std::string> indicatedPosition(int style, int position, int neutral)
{
    const int below = neutral - position;
    const int above = position - neutral;
    switch (style) {
    case 0:
        return std::to_string(position);
    case 1:
        return std::to_string(above);
    case 2:
        return std::to_string(below);
    case 3:
    case 4: {
        if (position == neutral)
            return "N";
        const bool lowSideLeft = style == 3;
        return position < neutral ? std::to_string(below) + (lowSideLeft ? "L" : "R")
                                  : std::to_string(above) + (lowSideLeft ? "R" : "L");
    }
    default:
        return std::nullopt;
    }
}

int highestFailureBit(int bits)
{
    for (int bit = 3; bit >= 0; --bit) {
        if ((bits >> bit) & 1)
            return bit;
    }
    return -1;
}

PositionLive positionLive(const DeviceLink& c)
{
    PositionLive live;
    if (const auto v = receivedValue(c, kOhms))
        live.ohms = *v / 10.0;
    if (const auto v = receivedValue(c, kMilliamps))
        live.milliamps = *v / 1000.0;
    live.position = receivedValue(c, kTapPosition);
    const auto mode = receivedValue(c, kReadingMode);
    const auto style = receivedValue(c, kStyle);
    const auto neutral = receivedValue(c, kNeutral);
    if (mode && *mode < 2 && style && neutral && live.position)
        live.indication = indicatedPosition(*style, *live.position, *neutral);
    live.failureBits = receivedValue(c, kFailureBits);
    for (int i = 0; i < 10; ++i) {
        if (const auto v = receivedValue(c, kRelayStates + i))
            live.relayClosed[static_cast<std::size_t>(i)] = *v != 0;
    }
    return live;
}
