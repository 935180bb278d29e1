#include "screens/thermal/ThermalLive.h"

#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "settings/FullConfigRead.h"

double thermalTemperature(int word)
{
    return (word - 1500) / 10.0;
}

std::vector<RegisterRun> thermalLiveReads(int signature)
{
    if (signature == kSignatureTMembrane)
        return {{510, 2}};
    return {{1500, 1}, {401, 6}, {501, 21}, {601, 10}};
}

ThermalLive thermalLive(const DeviceLink& device)
{
    const auto word = [&](int reg) -> std::optional<int> {
        if (!device.received(reg))
            return std::nullopt;
        return device.registerValue(reg);
    };
    const auto scaled = [&](int reg, auto convert) -> std::optional<double> {
        const auto w = word(reg);
        return w ? std::optional<double>(convert(*w)) : std::nullopt;
    };
    ThermalLive live;
    for (std::size_t i = 0; i < live.rtdCelsius.size(); ++i) {
        const int reg = 510 + 2 * static_cast<int>(i);
        live.rtdCelsius[i] = scaled(reg, thermalTemperature);
        live.rtdOhms[i] = scaled(reg + 1, [](int w) { return w / 10.0; });
    }
    for (std::size_t i = 0; i < live.windingCelsius.size(); ++i) {
        const int n = static_cast<int>(i);
        live.windingCelsius[i] = scaled(501 + n, thermalTemperature);
        live.windingAmps[i] = scaled(504 + n, [](int w) { return w / 100.0; });
        live.windingPercent[i] = scaled(507 + n, [](int w) { return w / 10.0; });
    }
    for (std::size_t i = 0; i < live.relayClosed.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        const auto output = word(600 + n);
        const auto inverted = word(100 + n);
        if (output && inverted)
            live.relayClosed[i] = (*output != 0) != (*inverted != 0);
    }
    std::array<int, 6> clock{};
    bool clockRead = true;
    for (std::size_t i = 0; i < clock.size(); ++i) {
        const auto w = word(401 + static_cast<int>(i));
        clockRead = clockRead && w.has_value();
        clock[i] = w.value_or(0);
    }
    if (clockRead)
        live.clock = clock;
    return live;
}
