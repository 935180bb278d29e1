#include "PositionDevice.h"

#include "Pt100.h"
#include "TapPositionRegister.h"

#include <algorithm>
#include <cmath>

namespace qlxsim {

namespace {

constexpr std::uint16_t kPositionSignature = 18447;
constexpr std::uint16_t kResistance = 1016;
constexpr std::uint16_t kCurrent = 1017;

} // namespace

PositionDevice::PositionDevice(std::uint64_t seed)
    : SimDevice(kPositionSignature, 601, seed)
{
}

void PositionDevice::declareModel()
{
    bank_.declare(301, 1, 4, 0, 4);
    bank_.declare(303, 1, 100, 10, 100);
    declareTapPositions();
    bank_.declare(707, 1, 0, 0, 255);
    bank_.declare(kTapPositionRegister, 1, 17);
    bank_.declare(kResistance, 1, 1700);
    bank_.declare(kCurrent, 1, 12000);
    bank_.declare(1100, 10, 0);
    bank_.declare(1964, 1, 0);
    bank_.declare(1965, 1, 0, 0, 15);
}

std::vector<std::uint16_t> PositionDevice::liveRegisters() const
{
    std::vector<std::uint16_t> regs{kTapPositionRegister, kResistance, kCurrent};
    for (std::uint16_t r = 1100; r <= 1109; ++r)
        regs.push_back(r);
    return regs;
}

void PositionDevice::live(double t)
{
    const bool valueTest = bank_.get(2150) != 0;
    const double perPosition = std::max<double>(bank_.get(701), 1.0);
    const int positions = std::max<int>(bank_.get(702), 2);

    // The tap wanders slowly between 15 and 19; the chain reads its resistance with a little noise.
    const double tap = 17.0 + 2.0 * std::sin(t / 120.0);
    const double ohmsTenths = std::round(tap) * perPosition + noise(3.0);
    bank_.setLive(kResistance, static_cast<std::uint16_t>(std::clamp(std::lround(ohmsTenths), 0L, 65535L)));
    const long pos = std::clamp(std::lround(bank_.get(kResistance) / perPosition), 1L, static_cast<long>(positions));
    bank_.setLive(kTapPositionRegister, static_cast<std::uint16_t>(pos));

    // 4..20 mA over the positions, in thousandths of a milliampere.
    const double milliamps = valueTest ? bank_.get(2152) / 1000.0 : 4.0 + 16.0 * (pos - 1) / (positions - 1);
    bank_.setLive(kCurrent, static_cast<std::uint16_t>(std::clamp(std::lround(milliamps * 1000.0), 0L, 65535L)));

    if (valueTest) {
        const std::uint16_t relays = bank_.get(2155);
        for (std::uint16_t j = 0; j < 10; ++j)
            bank_.setLive(static_cast<std::uint16_t>(1100 + j), (relays >> j) & 1u);
    } else {
        bank_.setLive(1106, bank_.get(kTapPositionRegister) <= bank_.get(705));
        bank_.setLive(1107, bank_.get(kTapPositionRegister) >= bank_.get(706));
        bank_.setLive(1108, bank_.get(1965) != 0);
    }
    updateCalibrationInputs(t, {pt100Ohms(25.0), pt100Ohms(26.0), pt100Ohms(27.0), pt100Ohms(28.0),
                                pt100Ohms(29.0), pt100Ohms(30.0)});
}

} // namespace qlxsim
