#include "screens/calibration/CalibrationRegisters.h"

#include "device/DeviceLink.h"
#include "screens/calibration/CalibrationTexts.h"
#include "settings/FloatWords.h"

#include <array>
#include <cmath>
#include <cstdio>

std::optional<float> readFloatPair(const DeviceLink& comm, int first)
{
    if (!comm.received(first) || !comm.received(first + 1))
        return std::nullopt;
    return WordsToSingle(static_cast<std::uint16_t>(comm.registerValue(first)),
                         static_cast<std::uint16_t>(comm.registerValue(first + 1)));
}

bool writeFloatPair(DeviceLink& comm, int first, double value, bool queue, bool force)
{
    const float single = static_cast<float>(value);
    if (!std::isfinite(value) || !std::isfinite(single))
        return false;
    std::array<std::uint16_t, 2> words{};
    SingleToWords(single, words[0], words[1]);
    return comm.writeRegisters(first, words, queue, force);
}

std::optional<std::uint16_t> registerWord(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value);
    if (!(rounded >= 0.0 && rounded <= 65535.0))
        return std::nullopt;
    return static_cast<std::uint16_t>(rounded);
}

bool calibrationChanged(double a, double b, double gain, double offset)
{
    if (a == 1.0 && b == 0.0)
        return false;
    return std::fabs(a - gain) > 0.000001 || std::fabs(b - offset) > 0.000001;
}

std::string currentCalibrationText(const DeviceLink& comm, int gainFirst, int offsetFirst, int language)
{
    const auto shown = [](std::optional<float> v) {
        if (!v)
            return std::string("-");
        char text[48];
        std::snprintf(text, sizeof text, "%.3f", static_cast<double>(*v));
        return std::string(text);
    };
    return calibration::PresentLabel.in(language) + "   " + calibration::GainLabel.in(language) +
           shown(readFloatPair(comm, gainFirst)) + "  Offset:" + shown(readFloatPair(comm, offsetFirst));
}
