#include "device/RegisterMap.h"

#include "device/DeviceType.h"

#include <array>
#include <initializer_list>

namespace {

using Table = std::array<Bank, kRegisterSpace>;

void add(Table& table, const Field& f)
{
    for (int i = 0; i < f.size; ++i)
        table[f.first + i] = f.bank;
}

void add(Table& table, std::initializer_list<Field> fields)
{
    for (const Field& f : fields)
        add(table, f);
}

void addCommon(Table& t)
{
    using namespace reg::common;
    add(t, {SerialMode, Dnp3Baudrate, Dnp3Format, Dnp3Address, Dnp3AppConf, Dnp3MaxInteroctetGap,
            Dnp3BackoffFixed, Dnp3BackoffRandom, Dnp3InterframeGap, ModbusBaudrate, ModbusFormat,
            ModbusAddress, ModbusTxDelay, Language, Password, IpAddr, IpPort, WifiSsid, WifiPass, WifiPort,
            WifiIpAddr, WifiMac, WifiSignal, FirmwareVersion, MinimumSoftwareVersion, DeviceSignature,
            SerialNumber, CalibrationTestMode, TestCurrent, CalibrationDisabled, ParameterSize,
            TestParameters, ValueTest, LastErrors, OutputGain, OutputOffset, OutputGain1_5mA,
            OutputOffset1_5mA, Res127, RTDGain, RTDOffset, RawRTDResistance, InputGain, InputOffset,
            InputReading, OutputBoardType});
}

Table tableT()
{
    Table t{};
    addCommon(t);
    add(t, reg::common::ClockTP);
    using namespace reg::T;
    // The T has no Wi-Fi: its own map (the maxima time stamps at 1710..1736) wins.
    add(t, {SetPointRTD, HysteresisRTD, Delay, AssociatedChannel, Force, InvertedLogic, SetPointCurrent,
            HysteresisCurrent, AssociatedFunction, DisplayUnit, DeltaT, RatedCurrent, AlternatingRelay,
            TimeConstant, ConstM, OperatingFrequency, DailyCoolingStart, DailyCoolingDuration, EventTimer,
            MaxDifTemp, OutputRange, FullScale, OutputChannel, WindingTemperature,
            WindingCurrent, CurrentPercent, RTDReadings, RelayStates, MaxTemperatures, EventIndex,
            Word802, RtdCount, RtdInputCount, RedundantMode, WindingCount, CurrentOutputCount,
            MembraneTest, MaximaTimestamps, EventCount, EventWindow});
    return t;
}

Table tableP()
{
    Table t{};
    addCommon(t);
    add(t, reg::common::ClockTP);
    using namespace reg::P;
    add(t, {BusAddress, BusSize, PositionCount, ResistancePerPosition, ParallelismErrorTime, PositionErrorTime,
            Relay7Config, Relay8Config, Relay9Config, ReadingMode, OutputRange, PresentPosition, ExpectedPosition,
            OperatingMode, Block561, RelayStates, UnitIndex, ParallelismErrors});
    return t;
}

Table tableR()
{
    Table t{};
    addCommon(t);
    add(t, reg::common::ClockRIC);
    for (int s = 0; s < reg::R::kSetCount; ++s)
        add(t, Field{Bank::R, static_cast<std::uint16_t>(regulatorSetRegister(s, 1)), reg::R::kSetParams});
    using namespace reg::R;
    add(t, {LdcType, UR, UX, Z, MaxCompensation, OutputRange, FullScale, CurrentFullScale, OutputChannel,
            PhaseShift, MeasuringCircuit, VtRatio, CtRatio, RatedCurrent, UndervoltageAlarm,
            OvervoltageAlarm, OvercurrentAlarm, ResistancePerPosition, PositionCount, IndicationMode, NeutralPosition,
            MinPosition, MaxPosition, PositionReadingOff, PulseTime, MinPositionReached, MaxPositionReached,
            TapOperationCount, Measurements, RelayStates, Word2670, Block2680});
    return t;
}

Table tableC()
{
    Table t{};
    addCommon(t);
    add(t, reg::common::ClockRIC);
    using namespace reg::C;
    add(t, {OutputRange, CurrentFullScale, ResistancePerPosition, PositionCount, IndicationMode, NeutralPosition,
            MinPosition, MaxPosition, TapPosition, RelayStates, ReadingMode, MeasuredResistance, MeasuredCurrent,
            Word1964, Faults});
    return t;
}

Table tableIRR()
{
    Table t{};
    addCommon(t);
    add(t, reg::common::ClockRIC);
    using namespace reg::IRR;
    add(t, {IrrigationCycleStart, IrrigationCycleDuration, IrrigationCycleBranches, MaxConsumption, BlockOnConsumption,
            PressureSensor, PressureFullScale, MaxPressure, MinPressure, MaxPressureTimer, MinPressureTimer,
            OperatingMode, WaterMeterEnabled, WaterMeterFactor, RainGaugeEnabled, RainGaugeFactor, RainGaugeMax,
            RainGaugePeriod, Pt100Enabled, BranchesEnabled, ManualDuration, ManualBranches, RelayScreenSoftwareCommand,
            WaterPresenceInverted, PressureSwitchInverted, Alarms, RainGauge, WaterMeterTotal, WaterMeterLastCycle,
            DigitalInputs, Pressure, ValvesOff, Temperature, Outputs, RecordIndex, RecordText});
    return t;
}

const std::array<Table, kDeviceTypeCount>& tables()
{
    // Indexed by device type: T, P, R, IRR, C.
    static const std::array<Table, kDeviceTypeCount> all{tableT(), tableP(), tableR(), tableIRR(), tableC()};
    return all;
}

} // namespace

Bank mappedBank(int type, int reg)
{
    if (type < 0 || type >= kDeviceTypeCount || reg < 0 || reg >= kRegisterSpace)
        return Bank::None;
    return tables()[static_cast<std::size_t>(type)][static_cast<std::size_t>(reg)];
}
