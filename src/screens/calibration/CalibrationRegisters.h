#pragma once

#include <cstdint>
#include <optional>
#include <string>

class DeviceLink;

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

// "Atual   Ganho:1.000  Offset:0.000" for the pairs at `gainFirst` and `offsetFirst`;
// a pair not received shows "-".
std::string currentCalibrationText(const DeviceLink& comm, int gainFirst, int offsetFirst, int language);
