#include "ThermalDevice.h"

#include "Pt100.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace qlxsim {

namespace {

constexpr std::uint16_t kThermalSignature = 23847;
constexpr std::uint16_t kMembraneSignature = 15012;
constexpr std::uint16_t kEventCount = 1800;
constexpr std::uint16_t kEventIndex = 801;
constexpr std::uint16_t kEventWindow = 1810;
constexpr int kWindowRecords = 10;
constexpr int kRecordSize = 13;

std::uint16_t tempWord(double celsius)
{
    return static_cast<std::uint16_t>(std::clamp(std::lround(celsius * 10.0) + 1500L, 0L, 65535L));
}

double tempOf(std::uint16_t word)
{
    return (static_cast<int>(word) - 1500) / 10.0;
}

} // namespace

ThermalDevice::ThermalDevice(bool membrane, bool fastEvents, std::uint64_t seed)
    : SimDevice(membrane ? kMembraneSignature : kThermalSignature, 401, seed)
    , membrane_(membrane)
    , fastEvents_(fastEvents)
{
}

void ThermalDevice::declareModel()
{
    bank_.declare(1, 10, 100, 0, 255);      // RTD set points
    bank_.declare(21, 10, 1, 1, 255);       // RTD hysteresis
    bank_.declare(41, 10, 1, 1, 255);       // delays
    bank_.declare(61, 10, 0, 0, 8);         // associated channels
    bank_.declare(81, 10, 0, 0, 1);         // force flags
    bank_.declare(101, 10, 0, 0, 1);        // inverted logic
    bank_.declare(121, 10, 0, 0, 150);      // current set points
    bank_.declare(141, 10, 1, 1, 255);      // current hysteresis
    bank_.declare(161, 10, 0, 0, 1);        // associated functions
    bank_.declare(201, 1, 0, 0, 2);
    bank_.declare(202, 3, 20, 0, 99);
    bank_.declare(205, 3, 50, 2, 50);
    bank_.declare(208, 1, 0, 0, 3);
    bank_.declare(209, 1, 30, 0, 300);
    bank_.declare(210, 1, 8, 0, 10);
    bank_.declare(211, 1, 0, 0, 1);
    bank_.declare(212, 1, 0, 0, 1439);
    bank_.declare(213, 1, 0, 0, 999);
    bank_.declare(214, 1, 0, 0, 60);
    bank_.declare(215, 1, 200, 1, 200);
    bank_.declare(301, 1, 4, 0, 4);
    bank_.declare(302, 1, 150, 0, 255);
    for (std::uint16_t i = 0; i < 4; ++i)
        bank_.declare(static_cast<std::uint16_t>(310 + i), 1, i, 0, 8);
    bank_.declare(1002, 1, 6, 1, 6);
    bank_.declare(1003, 1, 6, 0, 6);
    bank_.declare(1004, 6, 0, 0, 1);
    bank_.set(1004, 1);
    bank_.declare(1020, 1, 3, 0, 3);
    bank_.declare(1021, 1, 4, 0, 4);
    bank_.declare(802, 1, 0);

    bank_.declare(501, 21, 0);              // windings and RTDs
    bank_.declare(601, 10, 0);              // relays
    bank_.declare(701, 9, 0);               // maxima
    bank_.declare(1710, 27, 0);             // time stamps of the maxima
    bank_.declare(kEventIndex, 1, 0);
    bank_.declare(kEventCount, 1, 0);
    bank_.declare(kEventWindow, kWindowRecords * kRecordSize, 0);
    if (membrane_) {
        bank_.declare(1201, 11, 0);
        const std::uint16_t params[] = {10, 250, 60, 58, 120, 117, 15};
        for (std::uint16_t i = 0; i < 7; ++i)
            bank_.set(static_cast<std::uint16_t>(1202 + i), params[i]);
    }
}

std::vector<std::uint16_t> ThermalDevice::liveRegisters() const
{
    std::vector<std::uint16_t> regs;
    for (std::uint16_t r = 501; r <= 521; ++r)
        regs.push_back(r);
    for (std::uint16_t r = 601; r <= 610; ++r)
        regs.push_back(r);
    return regs;
}

// Alternating relays 5/6 (mode 1) or 7/8 (mode 2) must share hysteresis, delay,
// channel, current hysteresis and function, or the alternation makes no sense.
bool ThermalDevice::alternationAllowed(std::uint16_t mode) const
{
    auto pairEqual = [this](std::uint16_t relay) {
        for (std::uint16_t base : {20, 40, 60, 140, 160}) {
            if (bank_.get(static_cast<std::uint16_t>(base + relay)) != bank_.get(static_cast<std::uint16_t>(base + relay + 1)))
                return false;
        }
        return true;
    };
    switch (mode) {
    case 0: return true;
    case 1: return pairEqual(5);
    case 2: return pairEqual(7);
    case 3: return pairEqual(5) && pairEqual(7);
    default: return false;
    }
}

std::optional<SimDevice::WriteResult> ThermalDevice::writeSpecial(std::uint16_t reg, std::uint16_t value)
{
    switch (reg) {
    case 208:
        return alternationAllowed(value) ? std::nullopt : std::optional(WriteResult::Refused);
    case 209:
        return value == 0 || (value >= 30 && value <= 300) ? std::nullopt : std::optional(WriteResult::Refused);
    case 210:
        return value == 0 || (value >= 5 && value <= 10) ? std::nullopt : std::optional(WriteResult::Refused);
    default:
        return std::nullopt;
    }
}

void ThermalDevice::afterWrite(std::uint16_t reg, std::uint16_t value)
{
    if (reg == kEventIndex)
        fillEventWindow(value);
}

// Record k of the window holds event index - k, newest first.
void ThermalDevice::fillEventWindow(std::uint16_t index)
{
    for (int k = 0; k < kWindowRecords; ++k) {
        const int e = static_cast<int>(index) - k;
        const bool present = e >= 0 && e < static_cast<int>(events_.size());
        for (int i = 0; i < kRecordSize; ++i) {
            const auto reg = static_cast<std::uint16_t>(kEventWindow + kRecordSize * k + i);
            bank_.set(reg, present ? events_[static_cast<std::size_t>(e)][static_cast<std::size_t>(i)] : 0);
        }
    }
}

void ThermalDevice::command(std::uint16_t code)
{
    if (code != 100)
        return;
    events_.clear();
    bank_.set(kEventCount, 0);
    fillEventWindow(0);
}

bool ThermalDevice::setEventCount(int count)
{
    events_.clear();
    for (int i = 0; i < count; ++i) {
        recordEvent();
        // Spread the synthetic history one minute apart, oldest first.
        const std::uint64_t ms = static_cast<std::uint64_t>(clock_.epochSeconds() - 60 * (count - i)) * 1000;
        auto& e = events_.back();
        e[0] = static_cast<std::uint16_t>(ms & 0xFFFF);
        e[1] = static_cast<std::uint16_t>((ms >> 16) & 0xFFFF);
        e[2] = static_cast<std::uint16_t>((ms >> 32) & 0xFFFF);
        // Plausible readings that rise and fall, with relay 1 (and at the peaks relay 2)
        // following them.
        const double swing = (i % 7) - 3.0;
        for (int w = 0; w < 3; ++w)
            e[static_cast<std::size_t>(3 + w)] = tempWord(62.0 + 3.0 * w + swing);
        for (int k = 0; k < 6; ++k)
            e[static_cast<std::size_t>(6 + k)] = tempWord(40.0 + 3.0 * k + swing / 2.0);
        e[12] = static_cast<std::uint16_t>(swing >= 0 ? (swing >= 2 ? 0x0003 : 0x0001) : 0);
    }
    return true;
}

void ThermalDevice::recordEvent()
{
    Event e{};
    const std::uint64_t ms = static_cast<std::uint64_t>(clock_.epochSeconds()) * 1000;
    e[0] = static_cast<std::uint16_t>(ms & 0xFFFF);
    e[1] = static_cast<std::uint16_t>((ms >> 16) & 0xFFFF);
    e[2] = static_cast<std::uint16_t>((ms >> 32) & 0xFFFF);
    for (int w = 0; w < 3; ++w)
        e[static_cast<std::size_t>(3 + w)] = bank_.get(static_cast<std::uint16_t>(501 + w));
    for (int k = 0; k < 6; ++k)
        e[static_cast<std::size_t>(6 + k)] = bank_.get(static_cast<std::uint16_t>(510 + 2 * k));
    std::uint16_t relays = 0;
    for (int j = 0; j < 10; ++j)
        if (bank_.get(static_cast<std::uint16_t>(601 + j)) != 0)
            relays = static_cast<std::uint16_t>(relays | (1u << j));
    e[12] = relays;
    events_.push_back(e);
    bank_.set(kEventCount, static_cast<std::uint16_t>(std::min<std::size_t>(events_.size(), 65535)));
}

void ThermalDevice::updateMaxima(const std::array<double, 9>& celsius)
{
    const std::uint64_t ms = static_cast<std::uint64_t>(clock_.epochSeconds()) * 1000;
    for (std::uint16_t i = 0; i < 9; ++i) {
        const long whole = std::lround(std::floor(celsius[i]));
        if (whole <= static_cast<long>(bank_.get(static_cast<std::uint16_t>(701 + i))) || whole < 0)
            continue;
        bank_.setLive(static_cast<std::uint16_t>(701 + i), static_cast<std::uint16_t>(std::min(whole, 65535L)));
        const auto stamp = static_cast<std::uint16_t>(1710 + 3 * i);
        bank_.setLive(stamp, static_cast<std::uint16_t>(ms & 0xFFFF));
        bank_.setLive(static_cast<std::uint16_t>(stamp + 1), static_cast<std::uint16_t>((ms >> 16) & 0xFFFF));
        bank_.setLive(static_cast<std::uint16_t>(stamp + 2), static_cast<std::uint16_t>((ms >> 32) & 0xFFFF));
    }
}

void ThermalDevice::updateMembrane(double t)
{
    // The test walks through its states a few seconds each; the result appears on state 5.
    const int state = static_cast<int>(t / 3.0) % 6;
    bank_.setLive(1209, static_cast<std::uint16_t>(state));
    if (state == 5 && membraneState_ != 5) {
        const float result = static_cast<float>(0.8 + noise(0.1));
        std::uint32_t bits;
        static_assert(sizeof bits == sizeof result);
        std::memcpy(&bits, &result, sizeof bits);
        bank_.setLive(1210, static_cast<std::uint16_t>(bits & 0xFFFF));
        bank_.setLive(1211, static_cast<std::uint16_t>(bits >> 16));
    }
    membraneState_ = state;
}

void ThermalDevice::live(double t)
{
    const bool valueTest = bank_.get(2150) != 0;

    std::vector<double> rtdOhms(6);
    for (int k = 0; k < 6; ++k) {
        rtdOhms[static_cast<std::size_t>(k)] = valueTest
            ? bank_.get(static_cast<std::uint16_t>(2151 + k)) / 10.0
            : pt100Ohms(40.0 + 3.0 * k + 2.0 * std::sin(t / 45.0 + k));
    }
    updateCalibrationInputs(t, rtdOhms);

    std::array<double, 9> celsius{};
    for (std::uint16_t w = 0; w < 3; ++w) {
        const double temp = 65.0 + 5.0 * std::sin(t / 60.0 + w) + noise(0.2);
        bank_.setLive(static_cast<std::uint16_t>(501 + w), tempWord(temp));
        celsius[w] = tempOf(bank_.get(static_cast<std::uint16_t>(501 + w)));
        const double amps = valueTest ? bank_.get(static_cast<std::uint16_t>(2157 + w)) / 100.0
                                      : 2.5 + 0.3 * std::sin(t / 30.0 + w) + noise(0.02);
        bank_.setLive(static_cast<std::uint16_t>(504 + w), static_cast<std::uint16_t>(std::lround(std::max(amps, 0.0) * 100.0)));
        const double rated = std::max<double>(bank_.get(static_cast<std::uint16_t>(205 + w)), 1.0);
        bank_.setLive(static_cast<std::uint16_t>(507 + w),
                      static_cast<std::uint16_t>(std::lround(bank_.get(static_cast<std::uint16_t>(504 + w)) * 100.0 / rated)));
    }
    for (std::uint16_t k = 0; k < 6; ++k) {
        const double corrected = calibratedRtd(k);
        const double tenths = std::isfinite(corrected) ? std::clamp(corrected / 10.0, 0.0, 65535.0) : 0.0;
        bank_.setLive(static_cast<std::uint16_t>(511 + 2 * k), static_cast<std::uint16_t>(std::lround(tenths)));
        bank_.setLive(static_cast<std::uint16_t>(510 + 2 * k), tempWord(pt100Celsius(tenths / 10.0)));
        celsius[3 + k] = tempOf(bank_.get(static_cast<std::uint16_t>(510 + 2 * k)));
    }

    // Relay j follows the temperature of its channel against its set point.
    for (std::uint16_t j = 0; j < 10; ++j) {
        const std::uint16_t channel = bank_.get(static_cast<std::uint16_t>(61 + j));
        const double temp = channel < 9 ? celsius[channel] : 0.0;
        bool on = temp >= bank_.get(static_cast<std::uint16_t>(1 + j));
        if (bank_.get(static_cast<std::uint16_t>(101 + j)) != 0)
            on = !on;
        if (bank_.get(static_cast<std::uint16_t>(81 + j)) != 0)
            on = true;
        bank_.setLive(static_cast<std::uint16_t>(601 + j), on ? 1 : 0);
    }
    updateMaxima(celsius);
    if (membrane_)
        updateMembrane(t);

    const std::uint16_t interval = bank_.get(214);
    if (interval == 0) {
        lastEventAt_ = t;
    } else if (t - lastEventAt_ >= interval * (fastEvents_ ? 1.0 : 60.0)) {
        lastEventAt_ = t;
        recordEvent();
    }
}

} // namespace qlxsim
