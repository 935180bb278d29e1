#include "screens/calibration/CalibrationRegisters.h"

#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "screens/calibration/CalibrationNumber.h"
#include "screens/calibration/CalibrationTexts.h"
#include "screens/calibration/LineFit.h"
#include "settings/FloatWords.h"
#include "settings/RegisterRounding.h"

#include <array>
#include <cmath>

namespace {

constexpr std::array<CalibratedInput, 6> kRtdInputTable{{
    {{2540, 2560}, 2580, ReadingUnit::Ohms},
    {{2542, 2562}, 2581, ReadingUnit::Ohms},
    {{2544, 2564}, 2582, ReadingUnit::Ohms},
    {{2546, 2566}, 2583, ReadingUnit::Ohms},
    {{2548, 2568}, 2584, ReadingUnit::Ohms},
    {{2550, 2570}, 2585, ReadingUnit::Ohms},
}};

constexpr std::array<CalibratedInput, 3> kCurrentInputTable{{
    {{2600, 2610}, 2650, ReadingUnit::Amperes},
    {{2602, 2612}, 2651, ReadingUnit::Amperes},
    {{2604, 2614}, 2652, ReadingUnit::Amperes},
}};

// The R's second input measures volts, calibrated in the third input's pairs.
constexpr std::array<CalibratedInput, 2> kRegulatorInputTable{{
    {{2600, 2610}, 2650, ReadingUnit::Amperes},
    {{2604, 2614}, 2651, ReadingUnit::Volts},
}};

// By board range, then output.
constexpr GainOffsetRegisters kCurrentOutputPairs[2][CalibrationRegisters::kCurrentOutputs] = {
    {{2510, 2520}, {2512, 2522}, {2514, 2524}, {2516, 2526}},
    {{2620, 2630}, {2622, 2632}, {2624, 2634}, {2626, 2636}},
};

} // namespace

InputTable CalibrationRegisters::rtdInputs(int deviceType)
{
    if (deviceType == kQLX700R)
        return {std::span(kRtdInputTable).first(1), 2, 1};
    return {kRtdInputTable, 12, 6};
}

// Both read the three inputs' pairs and readings, whichever of them the model uses.
InputTable CalibrationRegisters::currentInputs(int deviceType)
{
    if (deviceType == kQLX700R)
        return {kRegulatorInputTable, 6, 3};
    return {kCurrentInputTable, 6, 3};
}

double CalibrationRegisters::readingScale(ReadingUnit unit)
{
    if (unit == ReadingUnit::Ohms)
        return 100.0;
    return unit == ReadingUnit::Amperes ? 1000.0 : 10.0;
}

GainOffsetRegisters CalibrationRegisters::currentOutput(int range, int output)
{
    return kCurrentOutputPairs[range == 1 ? 1 : 0][output];
}

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
    const double rounded = roundHalfEven(value);
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

bool fitDiffersFromDevice(const DeviceLink& comm, GainOffsetRegisters pairs, const LineFit& fit)
{
    const std::optional<float> gain = readFloatPair(comm, pairs.gain);
    const std::optional<float> offset = readFloatPair(comm, pairs.offset);
    if (!gain || !offset)
        return !(fit.a == 1.0 && fit.b == 0.0);
    return calibrationChanged(fit.a, fit.b, *gain, *offset);
}

std::string currentCalibrationText(const DeviceLink& comm, GainOffsetRegisters pairs, int language)
{
    const auto shown = [](std::optional<float> v) {
        return v ? calibrationNumber("%.3f", static_cast<double>(*v)) : std::string("-");
    };
    return calibration::PresentLabel.in(language) + "   " + calibration::GainLabel.in(language) +
           shown(readFloatPair(comm, pairs.gain)) + "  Offset:" + shown(readFloatPair(comm, pairs.offset));
}
