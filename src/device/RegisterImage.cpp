#include "device/RegisterImage.h"

#include "device/DeviceType.h"

int RegisterImage::stripOffset(int reg) const
{
    return type_ == kQLX700P ? (reg & 0x7FFF) : reg;
}

void RegisterImage::storeRegisterValue(int reg, int value)
{
    reg = stripOffset(reg);
    const Bank bank = mappedBank(type_, reg);
    if (bank != Bank::None) {
        slot(bank, reg) = static_cast<std::uint16_t>(value & 0xFFFF);
        received_[static_cast<std::size_t>(bank)].set(static_cast<std::size_t>(reg));
    }
}

bool RegisterImage::received(int reg) const
{
    reg = stripOffset(reg);
    const Bank bank = mappedBank(type_, reg);
    return bank != Bank::None && received_[static_cast<std::size_t>(bank)].test(static_cast<std::size_t>(reg));
}

bool RegisterImage::received(const Field& f, int i) const
{
    return i >= 0 && i < f.size
        && received_[static_cast<std::size_t>(f.bank)].test(static_cast<std::size_t>(f.first + i));
}

bool RegisterImage::receivedAll(const Field& f) const
{
    for (int i = 0; i < f.size; ++i) {
        if (!received(f, i))
            return false;
    }
    return true;
}

int RegisterImage::registerValue(int reg) const
{
    reg = stripOffset(reg);
    const Bank bank = mappedBank(type_, reg);
    return bank == Bank::None ? 0 : slot(bank, reg);
}

void RegisterImage::clear()
{
    for (auto& bank : banks_)
        bank.fill(0);
    for (auto& bank : received_)
        bank.reset();
}

int RegisterImage::value(const Field& f, int i) const
{
    if (i < 0 || i >= f.size)
        return 0;
    return slot(f.bank, f.first + i);
}

std::uint32_t RegisterImage::value32(const Field& f) const
{
    return static_cast<std::uint32_t>(value(f, 0)) | (static_cast<std::uint32_t>(value(f, 1)) << 16);
}

std::string RegisterImage::rawText(const Field& f) const
{
    std::string out;
    out.reserve(2u * f.size);
    for (int i = 0; i < f.size; ++i) {
        const int word = value(f, i);
        out.push_back(static_cast<char>(word & 0xFF));
        out.push_back(static_cast<char>(word >> 8));
    }
    return out;
}

std::string RegisterImage::text(const Field& f) const
{
    std::string raw = rawText(f);
    const auto end = raw.find('\0');
    if (end != std::string::npos)
        raw.resize(end);
    if (raw.size() > 32)
        raw.resize(32);
    return raw;
}

char RegisterImage::Password(int i) const
{
    if (i < 0 || i > 3)
        return 'A';
    return static_cast<char>(value(reg::common::Password, i) & 0xFF);
}

std::int32_t RegisterImage::SerialNumber() const
{
    return value(reg::common::SerialNumber, 0) + 65536 * (value(reg::common::SerialNumber, 1) & 0x7FFF);
}

int RegisterImage::WifiSignal() const
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(value(reg::common::WifiSignal)));
}

const Field& RegisterImage::clockField() const
{
    return (type_ == kQLX700T || type_ == kQLX700P) ? reg::common::ClockTP : reg::common::ClockRIC;
}

int RegisterImage::Clock(int i) const
{
    return value(clockField(), i);
}

int RegisterImage::regulatorSet(int set, int param) const
{
    if (set < 0 || set >= reg::R::kSetCount || param < 1 || param > reg::R::kSetParams)
        return 0;
    return slot(Bank::R, regulatorSetRegister(set, param));
}
