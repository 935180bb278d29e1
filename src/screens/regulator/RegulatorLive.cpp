#include "screens/regulator/RegulatorLive.h"

#include "device/DeviceLink.h"
#include "settings/FloatWords.h"
#include "settings/FullConfigRead.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr int kModeRegister = 703;
constexpr int kNeutralRegister = 704;
constexpr int kPositionRegister = 1015;
constexpr int kPositionSource = 2670;
// A position source of 3: the device has no position reading.
constexpr int kNoPositionReading = 3;
constexpr int kFirstGain = 2510;
constexpr int kMaxOutputs = 3;

std::string sided(int steps, const char* side)
{
    return std::to_string(steps) + side;
}

} // namespace

std::optional<std::string> regulatorPositionText(int p, int n, int mode, int word2670)
{
    if (word2670 == kNoPositionReading)
        return std::string();
    switch (mode) {
    case 0:
        return std::to_string(p);
    case 1:
        return std::to_string(p - n);
    case 2:
        return std::to_string(n - p);
    case 3:
    case 4: {
        if (p == n)
            return std::string("N");
        // Mode 3 counts lowering steps to the left of neutral, mode 4 to the right.
        const bool below = p < n;
        const char* side = (below == (mode == 3)) ? "L" : "R";
        return sided(below ? n - p : p - n, side);
    }
    default:
        return std::nullopt;
    }
}

std::vector<RegisterRun> regulatorLiveReads(int)
{
    return {{1500, 1}, {703, 1}, {601, 6}, {1001, 15}, {1100, 10}, {801, 2}, {804, 1}};
}

RegulatorLive regulatorLive(const DeviceLink& deviceLink)
{
    const auto word = [&](int reg) -> std::optional<int> {
        if (!deviceLink.received(reg))
            return std::nullopt;
        return deviceLink.registerValue(reg);
    };
    const auto scaled = [&](int reg, double divisor, int offset = 0) -> std::optional<double> {
        const auto w = word(reg);
        return w ? std::optional<double>((*w - offset) / divisor) : std::nullopt;
    };
    RegulatorLive live;
    live.secondaryVolts = scaled(1001, 10.0);
    live.secondaryAmps = scaled(1002, 100.0);
    live.lineKv = scaled(1003, 10.0);
    live.lineAmps = word(1004);
    live.loadKv = scaled(1005, 10.0);
    live.lagDegrees = scaled(1006, 10.0);
    live.powerFactor = scaled(1007, 1000.0);
    if (const auto set = word(1014))
        live.activeSet = *set + 1;
    live.apparentMva = scaled(1008, 10.0);
    live.activeMw = scaled(1009, 10.0);
    live.reactiveMvar = scaled(1010, 10.0);
    live.nominalVoltsPercent = scaled(1011, 10.0);
    live.nominalAmpsPercent = scaled(1012, 10.0);
    live.deviationPercent = scaled(1013, 10.0, 1000);
    live.minPosition = word(801);
    live.maxPosition = word(802);
    live.operations = word(804);
    const auto p = word(kPositionRegister);
    const auto n = word(kNeutralRegister);
    const auto mode = word(kModeRegister);
    const auto source = word(kPositionSource);
    if (p && n && mode && source)
        live.position = regulatorPositionText(*p, *n, *mode, *source);
    for (std::size_t i = 0; i < live.relayEnergised.size(); ++i) {
        if (const auto w = word(1100 + static_cast<int>(i)))
            live.relayEnergised[i] = *w != 0;
    }
    std::array<int, 6> clock{};
    bool clockRead = true;
    for (std::size_t i = 0; i < clock.size(); ++i) {
        const auto w = word(601 + static_cast<int>(i));
        clockRead = clockRead && w.has_value();
        clock[i] = w.value_or(0);
    }
    if (clockRead)
        live.clock = clock;
    return live;
}

int regulatorCurrentOutputCount(const DeviceLink& deviceLink)
{
    for (int i = 0; i < kMaxOutputs; ++i) {
        const int low = kFirstGain + 2 * i;
        if (!deviceLink.received(low) || !deviceLink.received(low + 1))
            return i;
        const float gain = WordsToSingle(static_cast<std::uint16_t>(deviceLink.registerValue(low)),
                                         static_cast<std::uint16_t>(deviceLink.registerValue(low + 1)));
        if (std::fabs(gain) < 0.0001f)
            return i;
    }
    return kMaxOutputs;
}
