#include "RegulatorDevice.h"

#include "Pt100.h"
#include "TapPositionRegister.h"

#include <algorithm>
#include <cmath>

namespace qlxsim {

namespace {

constexpr std::uint16_t kRegulatorSignature = 58202;
constexpr double kPi = 3.14159265358979323846;

struct SetParameter {
    std::uint16_t value, lo, hi;
};

// Parameter p = 1..11 of a regulation set: default and range.
constexpr SetParameter kSetParameters[11] = {
    {1150, 800, 1400}, {50, 0, 100}, {0, 0, 1}, {0, 0, 1}, {20, 0, 180}, {20, 0, 180},
    {10, 0, 30}, {0, 0, 23}, {0, 0, 59}, {23, 0, 23}, {59, 0, 59},
};

std::uint16_t clampedWord(double v)
{
    return static_cast<std::uint16_t>(std::clamp(std::lround(v), 0L, 65535L));
}

} // namespace

RegulatorDevice::RegulatorDevice(std::uint64_t seed)
    : SimDevice(kRegulatorSignature, 601, seed)
{
}

void RegulatorDevice::declareModel()
{
    for (std::uint16_t s = 0; s < 8; ++s)
        for (std::uint16_t p = 1; p <= 11; ++p) {
            const auto& d = kSetParameters[p - 1];
            bank_.declare(static_cast<std::uint16_t>(20 * s + p), 1, d.value, d.lo, d.hi);
        }
    bank_.declare(201, 1, 0, 0, 1);
    bank_.declare(202, 2, 250, 0, 500);
    bank_.declare(204, 1, 0, 0, 150);
    bank_.declare(205, 1, 20, 0, 25);
    bank_.declare(301, 1, 4, 0, 4);
    bank_.declare(302, 1, 150, 0, 255);
    bank_.declare(303, 1, 100, 10, 100);
    for (std::uint16_t i = 0; i < 4; ++i)
        bank_.declare(static_cast<std::uint16_t>(310 + i), 1, static_cast<std::uint16_t>(i < 3 ? i : 0), 0, 2);
    bank_.declare(401, 1, 0, 0, 359);
    bank_.declare(402, 1, 0, 0, 2);
    bank_.declare(403, 2, 100, 1, 9999);
    bank_.declare(405, 1, 50, 1, 100);
    bank_.declare(406, 1, 0);
    bank_.declare(501, 3, 50, 10, 99);
    declareTapPositions();
    bank_.declare(707, 1, 0, 0, 1);
    bank_.declare(708, 1, 1, 1, 10);

    bank_.declare(1001, 15, 0);
    bank_.declare(kTapPositionRegister, 1, 17);
    bank_.declare(1100, 10, 0);
    bank_.declare(801, 1, 17);
    bank_.declare(802, 1, 17);
    bank_.declare(804, 1, 0);
    bank_.declare(2670, 1, 0);
    bank_.declare(2680, 6, 0);
}

std::vector<std::uint16_t> RegulatorDevice::liveRegisters() const
{
    std::vector<std::uint16_t> regs;
    for (std::uint16_t r = 1001; r <= 1015; ++r)
        regs.push_back(r);
    for (std::uint16_t r = 1100; r <= 1109; ++r)
        regs.push_back(r);
    return regs;
}

// Raise and lower move the tap one step within the allowed positions and keep
// the extremes and the operation counter.
void RegulatorDevice::command(std::uint16_t code)
{
    if (code != 1000 && code != 1003)
        return;
    const int next = bank_.get(kTapPositionRegister) + (code == 1000 ? 1 : -1);
    if (next < bank_.get(705) || next > bank_.get(706))
        return;
    const auto pos = static_cast<std::uint16_t>(next);
    bank_.set(kTapPositionRegister, pos);
    bank_.set(801, std::min(bank_.get(801), pos));
    bank_.set(802, std::max(bank_.get(802), pos));
    bank_.set(804, static_cast<std::uint16_t>(bank_.get(804) + 1));
    bank_.set(code == 1000 ? 1100 : 1101, 1);
    pulseUntil_ = t_ + 1.0;
    updatePositionRelays();
}

void RegulatorDevice::updatePositionRelays()
{
    const std::uint16_t pos = bank_.get(kTapPositionRegister);
    bank_.setLive(1106, pos <= bank_.get(705));
    bank_.setLive(1107, pos >= bank_.get(706));
}

void RegulatorDevice::live(double t)
{
    t_ = t;
    const bool valueTest = bank_.get(2150) != 0;
    // The active set: the first whose time window holds the device's time of day.
    const auto clock = clock_.now();
    const int minute = clock[0] * 60 + clock[1];
    std::uint16_t active = 0;
    for (std::uint16_t s = 0; s < 8; ++s) {
        const auto base = static_cast<std::uint16_t>(20 * s);
        const int from = bank_.get(static_cast<std::uint16_t>(base + 8)) * 60 + bank_.get(static_cast<std::uint16_t>(base + 9));
        const int to = bank_.get(static_cast<std::uint16_t>(base + 10)) * 60 + bank_.get(static_cast<std::uint16_t>(base + 11));
        if (minute >= from && minute <= to) {
            active = s;
            break;
        }
    }
    bank_.setLive(1014, active);
    const double nominal = bank_.get(static_cast<std::uint16_t>(20 * active + 1)) / 10.0;

    const double volts = valueTest ? bank_.get(2152) / 10.0 : nominal * (1.0 + 0.01 * std::sin(t / 20.0)) + noise(0.1);
    const double amps = valueTest ? bank_.get(2153) / 100.0 : 2.5 + 0.2 * std::sin(t / 33.0) + noise(0.01);
    const double lag = valueTest ? bank_.get(2154) / 10.0 : 30.0 + noise(0.5);
    if (valueTest)
        bank_.setLive(kTapPositionRegister, bank_.get(2151));
    bank_.setLive(1001, clampedWord(volts * 10.0));
    bank_.setLive(1002, clampedWord(amps * 100.0));
    const double lineKv = volts * bank_.get(403) / 1000.0;
    const double lineAmps = amps * bank_.get(404);
    bank_.setLive(1003, clampedWord(lineKv * 10.0));
    bank_.setLive(1004, clampedWord(lineAmps));
    bank_.setLive(1005, clampedWord(lineKv * 10.0 - 1.0));
    bank_.setLive(1006, clampedWord(lag * 10.0));
    const double pf = std::cos(lag * kPi / 180.0);
    bank_.setLive(1007, clampedWord(pf * 1000.0));
    const double mva = std::sqrt(3.0) * lineKv * lineAmps / 1000.0;
    bank_.setLive(1008, clampedWord(mva * 10.0));
    bank_.setLive(1009, clampedWord(mva * pf * 10.0));
    bank_.setLive(1010, clampedWord(mva * std::sin(lag * kPi / 180.0) * 10.0));
    bank_.setLive(1011, clampedWord(volts / nominal * 1000.0));
    bank_.setLive(1012, clampedWord(amps * 10.0 / std::max<double>(bank_.get(405), 1.0) * 1000.0));
    bank_.setLive(1013, clampedWord(1000.0 + (volts - nominal) / nominal * 1000.0));

    const double deviation = (static_cast<int>(bank_.get(1013)) - 1000) / 10.0;
    const double allowed = bank_.get(static_cast<std::uint16_t>(20 * active + 2)) / 10.0;
    if (t >= pulseUntil_) {
        bank_.setLive(1100, 0);
        bank_.setLive(1101, 0);
    }
    bank_.setLive(1102, deviation < -allowed);
    bank_.setLive(1103, deviation > allowed);
    bank_.setLive(1108, deviation < -allowed / 2);
    bank_.setLive(1109, deviation > allowed / 2);
    updatePositionRelays();

    updateCalibrationInputs(t, {pt100Ohms(35.0 + std::sin(t / 50.0))});
    // Slot 2 of the current inputs measures the secondary voltage, in tenths of a volt.
    const double v = bank_.getFloat(2604) * volts + bank_.getFloat(2614);
    bank_.setLive(2651, std::isfinite(v) ? clampedWord(v * 10.0) : 0);
}

} // namespace qlxsim
