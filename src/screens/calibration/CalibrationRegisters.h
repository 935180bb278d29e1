#pragma once

#include "link/EventPump.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

class DeviceLink;
struct LineFit;

// Where the device keeps a channel's calibration: the first registers of its gain and
// of its offset, each a single-precision float in two registers.
struct GainOffsetRegisters {
    int gain;
    int offset;
};

// What an input's live reading measures.
enum class ReadingUnit { Ohms, Amperes, Volts };

// An input the calibration windows calibrate: where the device keeps its gain and
// offset, and the register of its live reading.
struct CalibratedInput {
    GainOffsetRegisters calibration;
    int reading;
    ReadingUnit unit;
};

// The inputs of one kind on one model, in the order the windows show them, and the
// blocks the windows read for them: at opening `pairRegisters` registers of gains and
// as many of offsets, from the first input's; then `readingRegisters` readings, from
// the first input's.
struct InputTable {
    std::span<const CalibratedInput> inputs;
    int pairRegisters;
    int readingRegisters;
};

// Where the calibration screens find what they calibrate in the device.
class CalibrationRegisters {
public:
    // The RTD inputs: six, one on the QLX700-R.
    static InputTable rtdInputs(int deviceType);
    // The current inputs: three; on the QLX700-R a current and a voltage, whose gain
    // and offset are the third input's.
    static InputTable currentInputs(int deviceType);
    // A reading's register word per unit: hundredths of an ohm, thousandths of an
    // ampere, tenths of a volt.
    static double readingScale(ReadingUnit unit);
    // How long the windows' periodic read of live readings may wait.
    static constexpr Seconds kLiveReadTimeout{0.1};

    static constexpr int kCurrentOutputs = 4;
    // A current output's gain and offset (outputs 0..3) in a board range (0: 0-32 mA,
    // 1: 0-1.5 mA).
    static GainOffsetRegisters currentOutput(int range, int output);
    // The current output's test current: the fraction of the board's full scale, times
    // kTestCurrentScale.
    static constexpr int kTestCurrent = 2101;
    static constexpr double kTestCurrentScale = 50000.0;
    // The output boards' types, four registers from here.
    static constexpr int kOutputBoards = 2660;
};

// The gains and offsets of the calibration screens are single-precision floats in
// two registers. A pair not received on this link has no value.
std::optional<float> readFloatPair(const DeviceLink& comm, int first);
// Sends the pair with one write; a value that is not finite is never sent (false).
bool writeFloatPair(DeviceLink& comm, int first, double value, bool queue, bool force = false);

// `value` rounded to the nearest integer (halves to even) as a register word, when
// it is a number within 0..65535; nothing for NaN, infinities and values outside.
std::optional<std::uint16_t> registerWord(double value);

// Whether a fitted line differs from the gain and offset in the device enough to ask
// before it is dropped. The identity line is what a channel without points shows,
// so it never asks.
bool calibrationChanged(double a, double b, double gain, double offset);
// The same against the pairs in the link's image; a pair never received cannot
// match any fit but the identity line.
bool fitDiffersFromDevice(const DeviceLink& comm, GainOffsetRegisters pairs, const LineFit& fit);

// "Atual   Ganho:1.000  Offset:0.000" for the pairs; a pair not received shows "-".
std::string currentCalibrationText(const DeviceLink& comm, GainOffsetRegisters pairs, int language);
