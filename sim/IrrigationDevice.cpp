#include "IrrigationDevice.h"

#include "Pt100.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

namespace qlxsim {

namespace {

constexpr std::uint16_t kIrrigationSignature = 15226;
constexpr std::uint16_t kRecordSelect = 4000;
constexpr std::uint16_t kRecordText = 4002;
constexpr int kRecordRegisters = 36;
constexpr int kFieldSize = 18;
constexpr std::uint16_t kNoRecord = 0xFFFF;
constexpr std::uint16_t kAlarms = 1001;
constexpr std::uint16_t kEmergencyBit = 1u << 5;
constexpr std::uint16_t kHydrometerBit = 1u << 4;

std::string field(const std::string& text)
{
    std::string f = text.substr(0, kFieldSize);
    f.resize(kFieldSize, '\0');
    return f;
}

} // namespace

IrrigationDevice::IrrigationDevice(std::uint64_t seed)
    : SimDevice(kIrrigationSignature, 601, seed)
{
}

void IrrigationDevice::declareModel()
{
    bank_.declare(1, 5, 0, 0, 1439);
    bank_.set(1, 360);
    bank_.declare(11, 5, 30, 0, 1440);
    bank_.declare(21, 5, 31, 0, 31);
    bank_.declare(31, 1, 1000, 0, 10000);
    bank_.declare(32, 1, 0, 0, 1);
    bank_.declare(101, 1, 0, 0, 1);
    bank_.declare(102, 1, 100, 10, 200);
    bank_.declare(103, 1, 60, 10, 100);
    bank_.declare(104, 1, 10, 10, 100);
    bank_.declare(105, 2, 30, 0, 120);
    bank_.declare(201, 1, 1, 0, 1);
    bank_.declare(202, 1, 1, 0, 1);
    bank_.declare(203, 1, 10, 10, 100);
    bank_.declare(204, 1, 1, 0, 1);
    bank_.declare(205, 1, 10, 10, 100);
    bank_.declare(206, 1, 0, 0, 20000);
    bank_.declare(207, 1, 24, 0, 744);
    bank_.declare(208, 2, 1, 0, 1);
    bank_.declare(210, 1, 15, 0, 1440);
    bank_.declare(211, 1, 0, 0, 31);
    bank_.declare(212, 1, 0, 0, 63);
    bank_.declare(213, 2, 0, 0, 1);

    bank_.declare(1001, 11, 0);
    bank_.declare(1100, 10, 0);

    bank_.declare(1720, 16, 0);
    writeText(1720, 16, "Ssid");
    bank_.declare(1740, 16, 0);
    writeText(1740, 16, "RAIN");
    bank_.declare(1760, 1, 43101);
    bank_.declare(1761, 1, 502);
    bank_.declare(1762, 1, 503);
    bank_.declare(1770, 1, 0x014D);   // 192.168.1.77
    bank_.declare(1771, 1, 0xC0A8);
    bank_.declare(1774, 1, 0x5566);   // MAC 11:22:33:44:55:66
    bank_.declare(1775, 1, 0x3344);
    bank_.declare(1776, 1, 0x1122);
    bank_.declare(1777, 1, 0);
    bank_.declare(1780, 1, static_cast<std::uint16_t>(-50));

    bank_.declare(kRecordSelect, 2, 0);
    bank_.declare(kRecordText, kRecordRegisters, 0);
    showRecord(0);
}

std::vector<std::uint16_t> IrrigationDevice::liveRegisters() const
{
    std::vector<std::uint16_t> regs;
    for (std::uint16_t r = 1001; r <= 1011; ++r)
        regs.push_back(r);
    for (std::uint16_t r = 1100; r <= 1109; ++r)
        regs.push_back(r);
    return regs;
}

void IrrigationDevice::writeText(std::uint16_t first, int registers, const std::string& text)
{
    for (int i = 0; i < registers; ++i) {
        const auto at = static_cast<std::size_t>(2 * i);
        const auto lo = at < text.size() ? static_cast<unsigned char>(text[at]) : 0u;
        const auto hi = at + 1 < text.size() ? static_cast<unsigned char>(text[at + 1]) : 0u;
        bank_.set(static_cast<std::uint16_t>(first + i), static_cast<std::uint16_t>(lo | hi << 8));
    }
}

// Four zero-padded fields of 18 characters: time, pluviometer, hydrometer, temperature.
std::string IrrigationDevice::recordText(int index) const
{
    char time[32], rain[32], water[32], temp[32];
    std::snprintf(time, sizeof time, "%02d/11/26 %02d:%02d", 1 + index % 28, 6 + index % 12, (index * 7) % 60);
    std::snprintf(rain, sizeof rain, "%d.%d mm", index % 20, index % 10);
    std::snprintf(water, sizeof water, "%d L", 300 + 25 * index);
    std::snprintf(temp, sizeof temp, "%d.%d C", 20 + index % 10, index % 10);
    std::string tempField = field(temp);
    std::string timeField = field(time);
    if (variant_ == RecordVariant::ZeroTemperature)
        tempField.assign(kFieldSize, '\0');
    if (variant_ == RecordVariant::FullField)
        timeField = "01/11/2026 06:00:0";
    return timeField + field(rain) + field(water) + tempField;
}

void IrrigationDevice::showRecord(int index)
{
    if (index < records_)
        writeText(kRecordText, kRecordRegisters, recordText(index));
    else
        writeText(kRecordText, kRecordRegisters, "");
}

bool IrrigationDevice::setRecords(int count, RecordVariant variant)
{
    records_ = count;
    variant_ = variant;
    bank_.set32(kRecordSelect, 0);
    showRecord(0);
    return true;
}

// A record number past the last is refused, and the selector then reads back
// something else. A device that ignores writes acknowledges a good number and keeps
// the record it had.
std::optional<SimDevice::WriteResult> IrrigationDevice::writeSpecial(std::uint16_t reg, std::uint16_t value)
{
    if (reg != kRecordSelect && reg != kRecordSelect + 1)
        return std::nullopt;
    std::uint32_t selected = bank_.get32(kRecordSelect);
    selected = reg == kRecordSelect ? (selected & 0xFFFF0000u) | value : (selected & 0xFFFFu) | (static_cast<std::uint32_t>(value) << 16);
    if (selected >= static_cast<std::uint32_t>(records_)) {
        bank_.set32(kRecordSelect, kNoRecord);
        showRecord(records_);
        return WriteResult::Refused;
    }
    if (!writesStick())
        return WriteResult::Accepted;
    bank_.set32(kRecordSelect, selected);
    showRecord(static_cast<int>(selected));
    return WriteResult::Accepted;
}

void IrrigationDevice::command(std::uint16_t code)
{
    switch (code) {
    case 1100:
        hydrometer_ = 0;
        bank_.set32(1004, 0);
        break;
    case 1101:
        pluviometer_ = 0;
        bank_.set32(1002, 0);
        break;
    case 1110:
        if (!emergency_)
            manualUntil_ = t_ + 60.0 * bank_.get(210);
        break;
    case 1111:
        manualUntil_ = -1;
        break;
    case 1120:
        emergency_ = false;
        bank_.set(1106, 0);
        bank_.set(kAlarms, static_cast<std::uint16_t>(bank_.get(kAlarms) & ~(kHydrometerBit | kEmergencyBit)));
        break;
    case 1130:
        setRecords(0, variant_);
        break;
    case 1140:
        emergency_ = true;
        manualUntil_ = -1;
        bank_.set(kAlarms, static_cast<std::uint16_t>(bank_.get(kAlarms) | kEmergencyBit));
        for (std::uint16_t r = 1100; r <= 1109; ++r)
            bank_.set(r, 0);
        break;
    default:
        break;
    }
}

void IrrigationDevice::live(double t)
{
    const double dt = t - t_;
    t_ = t;
    const bool manual = t < manualUntil_;
    std::uint16_t outputs = 0;   // bit k = output k + 1
    if (!emergency_) {
        if (manual)
            outputs = static_cast<std::uint16_t>(1u | (bank_.get(211) & 0x1Fu) << 1);
        outputs = static_cast<std::uint16_t>(outputs | (bank_.get(212) & 0x3Fu));
    }
    for (std::uint16_t k = 0; k < 6; ++k)
        bank_.setLive(static_cast<std::uint16_t>(1100 + k), (outputs >> k) & 1u);
    bank_.setLive(1107, 1);
    bank_.setLive(1108, 1);
    bank_.setLive(1010, (outputs & 0x3Eu) == 0);

    if (outputs & 1u)
        hydrometer_ += dt * 0.5 * bank_.get(203) / 10.0;
    pluviometer_ += dt;   // a steady drizzle: one count a second
    // Low word first; a counter a test pinned keeps its value.
    for (const auto& [reg, count] : {std::pair<std::uint16_t, double>{1002, pluviometer_}, {1004, hydrometer_}}) {
        const auto value = static_cast<std::uint32_t>(count);
        bank_.setLive(reg, static_cast<std::uint16_t>(value & 0xFFFFu));
        bank_.setLive(static_cast<std::uint16_t>(reg + 1), static_cast<std::uint16_t>(value >> 16));
    }

    const bool valueTest = bank_.get(2150) != 0;
    bank_.setLive(1008, valueTest ? bank_.get(2152) : 0x0180);
    bank_.setLive(1009, valueTest ? bank_.get(2153) : static_cast<std::uint16_t>(std::lround(35.0 + noise(1.0))));
    bank_.setLive(1011, valueTest ? bank_.get(2151) : static_cast<std::uint16_t>(std::lround(1500 + 250 + 10 * std::sin(t / 60.0))));

    // Signal strength steps through good, medium and weak.
    static constexpr std::int16_t kSignal[] = {-50, -65, -75};
    bank_.setLive(1780, static_cast<std::uint16_t>(kSignal[static_cast<int>(t / 5.0) % 3]));

    updateCalibrationInputs(t, {pt100Ohms(25.0), pt100Ohms(25.5), pt100Ohms(26.0), pt100Ohms(26.5),
                                pt100Ohms(27.0), pt100Ohms(27.5)});
}

} // namespace qlxsim
