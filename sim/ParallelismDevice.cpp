#include "ParallelismDevice.h"

#include "Pt100.h"

#include <cmath>

namespace qlxsim {

namespace {

constexpr std::uint16_t kParallelismSignature = 10146;
constexpr std::uint16_t kUnitIndex = 1951;
constexpr std::uint16_t kUp = 1000;
constexpr std::uint16_t kDown = 1003;

} // namespace

ParallelismDevice::ParallelismDevice(std::uint64_t seed)
    : SimDevice(kParallelismSignature, 401, seed)
{
}

void ParallelismDevice::declareModel()
{
    for (std::uint16_t p = 0; p < 16; ++p)
        bank_.declare(static_cast<std::uint16_t>(1 + p), 1, p, 0, 255);    // bus address
    bank_.declare(21, 16, 3, 1, 16);                                        // bus size
    bank_.declare(41, 16, 17, 2, 50);                                       // positions
    bank_.declare(61, 16, 100, 30, 200);                                    // resistance per position
    bank_.declare(81, 16, 10, 10, 100);
    bank_.declare(101, 16, 10, 10, 100);
    bank_.declare(121, 16, 8, 0, 9);
    bank_.declare(141, 16, 8, 0, 9);
    bank_.declare(161, 16, 8, 0, 9);
    bank_.declare(301, 16, 4, 0, 4);
    bank_.declare(201, 1, 0, 0, 2);
    bank_.declare(kUnitIndex, 1, 0, 0, 15);

    bank_.declare(501, 16, 9);     // current positions
    bank_.declare(521, 16, 9);     // expected positions
    bank_.declare(541, 16, 0, 0, 3);
    for (std::uint16_t p = 0; p < 16; ++p)
        bank_.declare(static_cast<std::uint16_t>(561 + p), 1, static_cast<std::uint16_t>(100 + p));
    bank_.declare(601, 10, 0);
    bank_.set(603, 1);             // manual mode, so the position buttons work from the start
    bank_.declare(1960, 5, 0);
}

std::vector<std::uint16_t> ParallelismDevice::liveRegisters() const
{
    std::vector<std::uint16_t> regs;
    for (std::uint16_t r = 501; r <= 556; ++r)
        if (r % 20 <= 16 && r % 20 >= 1)
            regs.push_back(r);
    for (std::uint16_t r = 601; r <= 610; ++r)
        regs.push_back(r);
    return regs;
}

// Raising or lowering is for a unit that is master or individual, with the
// panel in manual mode and no parallelism error.
void ParallelismDevice::command(std::uint16_t code)
{
    if (code != kUp && code != kDown)
        return;
    const std::uint16_t u = bank_.get(kUnitIndex);
    if (u > 15)
        return;
    const std::uint16_t mode = bank_.get(static_cast<std::uint16_t>(541 + u));
    if ((mode != 0 && mode != 2) || bank_.get(603) == 0)
        return;
    for (std::uint16_t r = 1960; r <= 1963; ++r)
        if (bank_.get(r) != 0)
            return;
    const auto posReg = static_cast<std::uint16_t>(501 + u);
    const int top = bank_.get(static_cast<std::uint16_t>(41 + u));
    const int next = bank_.get(posReg) + (code == kUp ? 1 : -1);
    if (next < 1 || next > top)
        return;
    bank_.set(posReg, static_cast<std::uint16_t>(next));
    bank_.set(static_cast<std::uint16_t>(521 + u), static_cast<std::uint16_t>(next));
    bank_.set(code == kUp ? 601 : 602, 1);
    pulseUntil_ = t_ + 1.0;
}

void ParallelismDevice::live(double t)
{
    t_ = t;
    const bool valueTest = bank_.get(2150) != 0;
    std::vector<double> rtdOhms(6);
    for (int k = 0; k < 6; ++k)
        rtdOhms[static_cast<std::size_t>(k)] = valueTest ? bank_.get(static_cast<std::uint16_t>(2151 + k)) / 10.0
                                                         : pt100Ohms(30.0 + 2.0 * k + std::sin(t / 40.0 + k));
    updateCalibrationInputs(t, rtdOhms);

    if (t >= pulseUntil_) {
        bank_.setLive(601, 0);
        bank_.setLive(602, 0);
    }
    const std::uint16_t u = bank_.get(kUnitIndex);
    const std::uint16_t mode = u <= 15 ? bank_.get(static_cast<std::uint16_t>(541 + u)) : 3;
    bank_.setLive(604, mode == 0);
    bank_.setLive(605, mode == 1);
    bank_.setLive(606, mode == 2);
    bool failure = false;
    for (std::uint16_t r = 1960; r <= 1964; ++r)
        failure = failure || bank_.get(r) != 0;
    bank_.setLive(610, failure);
}

} // namespace qlxsim
