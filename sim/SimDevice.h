#pragma once

#include "DeviceClock.h"
#include "RegisterBank.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace qlxsim {

// One QLX700 device seen from the inside: its registers, the rules that accept
// or refuse a write, the commands of register 3000 and the values that change
// on their own. The transports speak to it in wire register numbers; on the
// parallelism model those carry 0x8000.
class SimDevice {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    enum class WriteResult { Accepted, Refused, Unknown };
    using Pairs = std::vector<std::pair<std::uint16_t, std::uint16_t>>;

    static constexpr std::uint16_t kCommandRegister = 3000;

    SimDevice(std::uint16_t signature, std::uint16_t clockBase, std::uint64_t seed);
    virtual ~SimDevice() = default;
    SimDevice(const SimDevice&) = delete;
    SimDevice& operator=(const SimDevice&) = delete;

    // Declares every register with its default; call once after construction.
    void reset();

    void setStrict(bool strict) { strict_ = strict; }
    void setWritesStick(bool stick) { writesStick_ = stick; }
    // A register whose writes are refused whatever their value, or none.
    void setRefused(std::optional<std::uint16_t> r) { refused_ = r; }
    void setPassword(const std::string& password);

    // Empty when the register is unknown and the device is strict.
    std::optional<std::uint16_t> readWire(std::uint16_t wire, bool tcp) const;
    // Pairs are applied in order; the clock's six registers written together set it at once.
    std::vector<WriteResult> writeWire(const Pairs& pairs, bool tcp);
    // Refreshes the clock and, every quarter second, the live values.
    void update(TimePoint now);

    std::uint16_t reg(std::uint16_t r) const { return bank_.get(r); }
    // Sets a register and keeps the live behaviour from overwriting it.
    void pinReg(std::uint16_t r, std::uint16_t value) { bank_.pin(r, value); }
    // A device that answers reads of this one register and nothing else (a unit
    // that identifies itself and then fails), or none.
    void setAnswerOnly(std::uint16_t r) { answerOnly_ = r; }
    std::optional<std::uint16_t> answerOnly() const { return answerOnly_; }
    // Registers worth pushing unsolicited over TCP, as device numbers.
    virtual std::vector<std::uint16_t> liveRegisters() const = 0;
    std::uint16_t toWire(std::uint16_t r) const { return static_cast<std::uint16_t>(r | wireOffset()); }

    // Model-specific scenario knobs; false when the model has no such thing.
    virtual bool setEventCount(int) { return false; }
    enum class RecordVariant { Normal, ZeroTemperature, FullField };
    virtual bool setRecords(int, RecordVariant) { return false; }

protected:
    virtual void declareModel() = 0;
    // A model's own write rules; empty lets the generic range check decide.
    virtual std::optional<WriteResult> writeSpecial(std::uint16_t, std::uint16_t) { return std::nullopt; }
    virtual void afterWrite(std::uint16_t, std::uint16_t) {}
    virtual void command(std::uint16_t) {}
    // `t` is seconds since the device started.
    virtual void live(double t) = 0;
    virtual std::uint16_t wireOffset() const { return 0; }
    // False under the ignore-writes fault: a write is acknowledged and changes nothing.
    bool writesStick() const { return writesStick_; }

    // Tap-position settings 701..706 shared by the regulator and the position indicator.
    void declareTapPositions();
    double noise(double amplitude);
    // Value of an RTD channel after the device's own calibration (gain x raw + offset), hundredths of an ohm.
    double calibratedRtd(int channel) const;
    void updateCalibrationInputs(double t, const std::vector<double>& rtdOhms);

    RegisterBank bank_;
    DeviceClock clock_;
    std::uint16_t clockBase_;

private:
    void declareCommon();
    std::optional<std::uint16_t> registerOf(std::uint16_t wire, bool tcp) const;
    WriteResult writeOne(std::uint16_t reg, std::uint16_t value);
    void refreshClock();

    std::uint16_t signature_;
    std::mt19937_64 rng_;
    bool strict_ = false;
    bool writesStick_ = true;
    TimePoint start_{};
    TimePoint lastLive_{};
    bool started_ = false;
    std::optional<std::uint16_t> answerOnly_;
    std::optional<std::uint16_t> refused_;
};

} // namespace qlxsim
