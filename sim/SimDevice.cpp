#include "SimDevice.h"

#include <algorithm>
#include <cmath>

namespace qlxsim {

namespace {

constexpr auto kLivePeriod = std::chrono::milliseconds(250);

// Registers the device reports but never takes from outside.
bool readOnly(std::uint16_t reg)
{
    return reg == 2000 || reg == 2001 || reg == 2002 || reg == 2501 || reg == 2502;
}

} // namespace

SimDevice::SimDevice(std::uint16_t signature, std::uint16_t clockBase, std::uint64_t seed)
    : clockBase_(clockBase)
    , signature_(signature)
    , rng_(seed)
{
}

void SimDevice::reset()
{
    declareCommon();
    declareModel();
    refreshClock();
}

void SimDevice::declareCommon()
{
    // Serial ports 1..3: DNP3 and Modbus settings.
    bank_.declare(1300, 3, 0, 0, 1);
    bank_.declare(1310, 3, 0, 0, 4);
    bank_.declare(1320, 3, 0, 0, 3);
    bank_.declare(1330, 3, 4660, 0, 0xFFEF);
    bank_.declare(1340, 3, 0, 0, 1);
    bank_.declare(1350, 3, 5, 2, 100);
    bank_.declare(1360, 3, 20, 1, 100);
    bank_.declare(1370, 3, 50, 1, 100);
    bank_.declare(1380, 3, 0, 0, 1);
    bank_.declare(1400, 3, 0, 0, 4);
    bank_.declare(1410, 3, 0, 0, 3);
    bank_.declare(1420, 3, 1, 1, 247);
    bank_.declare(1430, 3, 0, 0, 2000);
    bank_.declare(1500, 1, 0, 0, 2);
    setPassword("QWKZ");
    bank_.declare(1700, 1, 0x0132);
    bank_.declare(1701, 1, 0xC0A8);
    bank_.declare(1702, 1, 43101);
    bank_.declare(2000, 1, 0x1106);
    bank_.declare(2001, 1, 0x1100);
    bank_.declare(2002, 1, signature_);
    bank_.declare(2501, 1, 1234);
    bank_.declare(2502, 1, 0);
    bank_.declare(kCommandRegister, 1, 0);

    // Test and calibration.
    bank_.declare(2100, 1, 0);
    bank_.declare(2101, 1, 0);
    bank_.declare(2105, 1, 0, 0, 1);
    bank_.declare(2106, 1, 512);
    for (int i = 0; i < 30; ++i)
        bank_.declare(static_cast<std::uint16_t>(2110 + i), 1, static_cast<std::uint16_t>(1000 + 37 * i));
    bank_.declare(2150, 1, 0, 0, 2);
    bank_.declare(2151, 9, 0);
    bank_.declare(2170, 40, 0);
    const std::uint32_t errors[] = {0, 17, 3, 0x80000005u, 42, 0, 7, 0xFFFFFFFFu, 65536, 12};
    for (std::size_t i = 0; i < std::size(errors); ++i)
        bank_.set32(static_cast<std::uint16_t>(2170 + 2 * i), errors[i]);
    auto floats = [this](std::uint16_t first, int pairs, float value) {
        bank_.declare(first, 2 * pairs, 0);
        for (int i = 0; i < pairs; ++i)
            bank_.setFloat(static_cast<std::uint16_t>(first + 2 * i), value);
    };
    floats(2510, 4, 1.0f);
    floats(2520, 4, 0.0f);
    floats(2620, 4, 1.0f);
    floats(2630, 4, 0.0f);
    bank_.declare(2530, 1, 12700);
    floats(2540, 6, 1.0f);
    floats(2560, 6, 0.0f);
    bank_.declare(2580, 6, 10000);
    floats(2600, 3, 1.0f);
    floats(2610, 3, 0.0f);
    bank_.declare(2650, 3, 0);
    bank_.declare(2660, 4, 0);

    bank_.declare(clockBase_, 6, 0);
}

void SimDevice::setPassword(const std::string& password)
{
    for (int i = 0; i < 4; ++i) {
        const auto c = i < static_cast<int>(password.size()) ? static_cast<unsigned char>(password[static_cast<std::size_t>(i)]) : 'A';
        bank_.declare(static_cast<std::uint16_t>(1600 + i), 1, c);
    }
}

std::optional<std::uint16_t> SimDevice::registerOf(std::uint16_t wire, bool tcp) const
{
    const std::uint16_t offset = wireOffset();
    if (offset == 0)
        return wire;
    if (wire & offset)
        return static_cast<std::uint16_t>(wire & ~offset);
    // Commands go out without the offset over TCP.
    if (tcp && wire == kCommandRegister)
        return wire;
    return std::nullopt;
}

std::optional<std::uint16_t> SimDevice::readWire(std::uint16_t wire, bool tcp) const
{
    auto reg = registerOf(wire, tcp);
    // The identity registers also answer without the offset, so a tool set up for
    // another model still learns which device it reached.
    if (!reg && readOnly(wire))
        reg = wire;
    if (!reg || !bank_.known(*reg))
        return strict_ ? std::nullopt : std::optional<std::uint16_t>(0);
    if (*reg == kCommandRegister)
        return 0;
    return bank_.get(*reg);
}

std::vector<SimDevice::WriteResult> SimDevice::writeWire(const Pairs& pairs, bool tcp)
{
    std::vector<WriteResult> results(pairs.size(), WriteResult::Accepted);
    std::vector<std::optional<std::uint16_t>> regs;
    for (const auto& [wire, value] : pairs)
        regs.push_back(registerOf(wire, tcp));

    // The six clock registers together set the clock in one step.
    DeviceClock::Fields fields{};
    int clockSeen = 0;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        if (regs[i] && *regs[i] >= clockBase_ && *regs[i] < clockBase_ + 6) {
            fields[static_cast<std::size_t>(*regs[i] - clockBase_)] = pairs[i].second;
            clockSeen |= 1 << (*regs[i] - clockBase_);
        }
    }
    const bool wholeClock = clockSeen == 0x3F;
    const bool clockOk = wholeClock && (!writesStick_ || clock_.set(fields));

    for (std::size_t i = 0; i < pairs.size(); ++i) {
        if (!regs[i]) {
            results[i] = strict_ ? WriteResult::Unknown : WriteResult::Accepted;
            continue;
        }
        if (wholeClock && *regs[i] >= clockBase_ && *regs[i] < clockBase_ + 6) {
            results[i] = clockOk ? WriteResult::Accepted : WriteResult::Refused;
            continue;
        }
        results[i] = writeOne(*regs[i], pairs[i].second);
    }
    refreshClock();
    return results;
}

SimDevice::WriteResult SimDevice::writeOne(std::uint16_t reg, std::uint16_t value)
{
    if (!bank_.known(reg))
        return strict_ ? WriteResult::Unknown : WriteResult::Accepted;
    if (refused_ && *refused_ == reg)
        return WriteResult::Refused;
    if (reg == kCommandRegister) {
        if (writesStick_)
            command(value);
        return WriteResult::Accepted;
    }
    // The workshop sets the serial number with the device in test and calibration mode.
    const bool serialOpen = (reg == 2501 || reg == 2502) && bank_.get(2100) != 0;
    if (readOnly(reg) && !serialOpen)
        return value == bank_.get(reg) ? WriteResult::Accepted : WriteResult::Refused;
    if (reg >= clockBase_ && reg < clockBase_ + 6) {
        if (!writesStick_)
            return WriteResult::Accepted;
        return clock_.setField(reg - clockBase_, value) ? WriteResult::Accepted : WriteResult::Refused;
    }
    if (const auto special = writeSpecial(reg, value))
        return *special;
    if (!bank_.inRange(reg, value))
        return WriteResult::Refused;
    if (writesStick_) {
        bank_.set(reg, value);
        afterWrite(reg, value);
    }
    return WriteResult::Accepted;
}

void SimDevice::refreshClock()
{
    const auto fields = clock_.now();
    for (int i = 0; i < 6; ++i)
        bank_.setLive(static_cast<std::uint16_t>(clockBase_ + i), fields[static_cast<std::size_t>(i)]);
}

void SimDevice::update(TimePoint now)
{
    if (!started_) {
        start_ = now;
        started_ = true;
        lastLive_ = now - kLivePeriod;
    }
    refreshClock();
    if (now - lastLive_ < kLivePeriod)
        return;
    lastLive_ = now;
    live(std::chrono::duration<double>(now - start_).count());
}

void SimDevice::declareTapPositions()
{
    bank_.declare(701, 1, 100, 30, 200);   // resistance per position, tenths of an ohm
    bank_.declare(702, 1, 33, 2, 50);      // number of positions
    bank_.declare(703, 1, 0, 0, 4);        // indication style
    bank_.declare(704, 1, 17, 1, 50);      // neutral position
    bank_.declare(705, 1, 1, 1, 50);       // lowest position
    bank_.declare(706, 1, 33, 1, 50);      // highest position
}

double SimDevice::noise(double amplitude)
{
    std::uniform_real_distribution<double> d(-amplitude, amplitude);
    return d(rng_);
}

double SimDevice::calibratedRtd(int channel) const
{
    const auto c = static_cast<std::uint16_t>(channel);
    const double gain = bank_.getFloat(static_cast<std::uint16_t>(2540 + 2 * c));
    const double offset = bank_.getFloat(static_cast<std::uint16_t>(2560 + 2 * c));
    return gain * bank_.get(static_cast<std::uint16_t>(2580 + c)) + offset;
}

void SimDevice::updateCalibrationInputs(double t, const std::vector<double>& rtdOhms)
{
    for (std::size_t c = 0; c < rtdOhms.size() && c < 6; ++c) {
        const double raw = std::clamp(rtdOhms[c] * 100.0 + noise(3.0), 0.0, 65535.0);
        bank_.setLive(static_cast<std::uint16_t>(2580 + c), static_cast<std::uint16_t>(std::lround(raw)));
    }
    // Current inputs: a slowly wandering raw signal seen through the input's gain and offset.
    const double raw[3] = {12.0 + 0.5 * std::sin(t / 7.0), 8.0 + 0.3 * std::sin(t / 5.0), 4.0 + 0.1 * std::sin(t / 3.0)};
    for (int i = 0; i < 3; ++i) {
        const auto gainReg = static_cast<std::uint16_t>(2600 + 2 * i);
        const double v = bank_.getFloat(gainReg) * raw[i] + bank_.getFloat(static_cast<std::uint16_t>(gainReg + 10));
        const double scaled = std::clamp(v * 1000.0 + noise(2.0), 0.0, 65535.0);
        bank_.setLive(static_cast<std::uint16_t>(2650 + i), std::isfinite(scaled) ? static_cast<std::uint16_t>(std::lround(scaled)) : 0);
    }
}

} // namespace qlxsim
