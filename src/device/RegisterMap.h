#pragma once

#include <cstdint>

// Where each named field of the register image lives. A field is a run of registers
// in one storage bank; each device type maps register numbers to fields of its own
// bank or of the common bank, so two models that share a register number keep
// separate values (601 is relay 1 on the T and the clock hour on the R).
enum class Bank : std::uint8_t { None = 0, Common, T, P, R, C, IRR };
constexpr int kBankCount = 7;
constexpr int kRegisterSpace = 4096; // every mapped register number is below this

struct Field {
    Bank bank;
    std::uint16_t first;
    std::uint16_t size;
};

namespace reg {

// Common to every device type.
namespace common {
constexpr Field SerialMode{Bank::Common, 1300, 3};
constexpr Field Dnp3Baudrate{Bank::Common, 1310, 3};
constexpr Field Dnp3Format{Bank::Common, 1320, 3};
constexpr Field Dnp3Address{Bank::Common, 1330, 3};
constexpr Field Dnp3AppConf{Bank::Common, 1340, 3};
constexpr Field Dnp3MaxInteroctetGap{Bank::Common, 1350, 3};
constexpr Field Dnp3BackoffFixed{Bank::Common, 1360, 3};
constexpr Field Dnp3BackoffRandom{Bank::Common, 1370, 3};
constexpr Field Dnp3InterframeGap{Bank::Common, 1380, 3};
constexpr Field ModbusBaudrate{Bank::Common, 1400, 3};
constexpr Field ModbusFormat{Bank::Common, 1410, 3};
constexpr Field ModbusAddress{Bank::Common, 1420, 3};
constexpr Field ModbusTxDelay{Bank::Common, 1430, 3};
constexpr Field Language{Bank::Common, 1500, 1};
constexpr Field Password{Bank::Common, 1600, 4};
constexpr Field IpAddr{Bank::Common, 1700, 2};
constexpr Field IpPort{Bank::Common, 1702, 1};
constexpr Field WifiSsid{Bank::Common, 1720, 16};
constexpr Field WifiPass{Bank::Common, 1740, 16};
constexpr Field WifiPort{Bank::Common, 1760, 3};
constexpr Field WifiIpAddr{Bank::Common, 1770, 2};
constexpr Field WifiMac{Bank::Common, 1774, 4};
constexpr Field WifiSignal{Bank::Common, 1780, 1};
constexpr Field FirmwareVersion{Bank::Common, 2000, 1};
constexpr Field MinimumSoftwareVersion{Bank::Common, 2001, 1};
constexpr Field DeviceSignature{Bank::Common, 2002, 1};
constexpr Field SerialNumber{Bank::Common, 2501, 2};
constexpr Field CalibrationTestMode{Bank::Common, 2100, 1};
constexpr Field TestCurrent{Bank::Common, 2101, 1};
constexpr Field CalibrationDisabled{Bank::Common, 2105, 1};
constexpr Field ParameterSize{Bank::Common, 2106, 1};
constexpr Field TestParameters{Bank::Common, 2110, 30};
constexpr Field ValueTest{Bank::Common, 2150, 10};
constexpr Field LastErrors{Bank::Common, 2170, 40};
constexpr Field OutputGain{Bank::Common, 2510, 8};
constexpr Field OutputOffset{Bank::Common, 2520, 8};
constexpr Field OutputGain1_5mA{Bank::Common, 2620, 8};
constexpr Field OutputOffset1_5mA{Bank::Common, 2630, 8};
constexpr Field Res127{Bank::Common, 2530, 1};
constexpr Field RTDGain{Bank::Common, 2540, 12};
constexpr Field RTDOffset{Bank::Common, 2560, 12};
constexpr Field RawRTDResistance{Bank::Common, 2580, 6};
constexpr Field InputGain{Bank::Common, 2600, 6};
constexpr Field InputOffset{Bank::Common, 2610, 6};
constexpr Field InputReading{Bank::Common, 2650, 3};
constexpr Field OutputBoardType{Bank::Common, 2660, 4};
// The clock (hour, minute, second, day, month, year - 2000) sits at 401 on the T and
// P and at 601 on the R, IRR and C.
constexpr Field ClockTP{Bank::Common, 401, 6};
constexpr Field ClockRIC{Bank::Common, 601, 6};
} // namespace common

namespace T {
constexpr Field SetPointRTD{Bank::T, 1, 10};
constexpr Field HysteresisRTD{Bank::T, 21, 10};
constexpr Field Delay{Bank::T, 41, 10};
constexpr Field AssociatedChannel{Bank::T, 61, 10};
constexpr Field Force{Bank::T, 81, 10};
constexpr Field InvertedLogic{Bank::T, 101, 10};
constexpr Field SetPointCurrent{Bank::T, 121, 10};
constexpr Field HysteresisCurrent{Bank::T, 141, 10};
constexpr Field AssociatedFunction{Bank::T, 161, 10};
constexpr Field DisplayUnit{Bank::T, 201, 1};
constexpr Field DeltaT{Bank::T, 202, 3};
constexpr Field RatedCurrent{Bank::T, 205, 3};
constexpr Field AlternatingRelay{Bank::T, 208, 1};
constexpr Field TimeConstant{Bank::T, 209, 1};
constexpr Field ConstM{Bank::T, 210, 1};
constexpr Field OperatingFrequency{Bank::T, 211, 1};
constexpr Field DailyCoolingStart{Bank::T, 212, 1};
constexpr Field DailyCoolingDuration{Bank::T, 213, 1};
constexpr Field EventTimer{Bank::T, 214, 1};
constexpr Field MaxDifTemp{Bank::T, 215, 1};
constexpr Field OutputRange{Bank::T, 301, 1};
constexpr Field FullScale{Bank::T, 302, 1};
constexpr Field OutputChannel{Bank::T, 310, 4};
constexpr Field WindingTemperature{Bank::T, 501, 3};  // tenths of a degree + 1500
constexpr Field WindingCurrent{Bank::T, 504, 3};      // hundredths of an ampere
constexpr Field CurrentPercent{Bank::T, 507, 3};      // tenths of a percent
constexpr Field RTDReadings{Bank::T, 510, 12};        // temperature, resistance of RTD 1..6
constexpr Field RelayStates{Bank::T, 601, 10};
constexpr Field MaxTemperatures{Bank::T, 701, 9};     // windings 1..3, then RTDs 1..6
constexpr Field EventIndex{Bank::T, 801, 1};
constexpr Field Word802{Bank::T, 802, 1};
constexpr Field RtdCount{Bank::T, 1002, 1};
constexpr Field RtdInputCount{Bank::T, 1003, 1};
constexpr Field RedundantMode{Bank::T, 1004, 6};
constexpr Field WindingCount{Bank::T, 1020, 1};
constexpr Field CurrentOutputCount{Bank::T, 1021, 1};
constexpr Field MembraneTest{Bank::T, 1201, 11};
constexpr Field MaximaTimestamps{Bank::T, 1710, 27};  // 48-bit ms time stamps, low word first
constexpr Field EventCount{Bank::T, 1800, 1};
constexpr Field EventWindow{Bank::T, 1810, 130};      // ten records of 13 registers
} // namespace T

namespace P {
constexpr Field BusAddress{Bank::P, 1, 16};
constexpr Field BusSize{Bank::P, 21, 16};
constexpr Field PositionCount{Bank::P, 41, 16};
constexpr Field ResistancePerPosition{Bank::P, 61, 16};
constexpr Field ParallelismErrorTime{Bank::P, 81, 16};
constexpr Field PositionErrorTime{Bank::P, 101, 16};
constexpr Field Relay7Config{Bank::P, 121, 16};
constexpr Field Relay8Config{Bank::P, 141, 16};
constexpr Field Relay9Config{Bank::P, 161, 16};
constexpr Field ReadingMode{Bank::P, 201, 1};
constexpr Field OutputRange{Bank::P, 301, 16};
constexpr Field PresentPosition{Bank::P, 501, 16};
constexpr Field ExpectedPosition{Bank::P, 521, 16};
constexpr Field OperatingMode{Bank::P, 541, 16};
constexpr Field Block561{Bank::P, 561, 16};
constexpr Field RelayStates{Bank::P, 601, 10};
constexpr Field UnitIndex{Bank::P, 1951, 1};
// The highest unit index: the P's position on its bus, 0..15, picks its entry of the
// 16-entry blocks.
constexpr int kMaxBusPosition = 15;
constexpr Field ParallelismErrors{Bank::P, 1960, 5};
} // namespace P

// The R's eight regulator sets live at 20 s + p (p = 1..11); see regulatorSetRegister.
namespace R {
constexpr int kSetCount = 8;
constexpr int kSetParams = 11;
constexpr Field LdcType{Bank::R, 201, 1};
constexpr Field UR{Bank::R, 202, 1};
constexpr Field UX{Bank::R, 203, 1};
constexpr Field Z{Bank::R, 204, 1};
constexpr Field MaxCompensation{Bank::R, 205, 1};
constexpr Field OutputRange{Bank::R, 301, 1};
constexpr Field FullScale{Bank::R, 302, 1};
constexpr Field CurrentFullScale{Bank::R, 303, 1};
constexpr Field OutputChannel{Bank::R, 310, 4};
constexpr Field PhaseShift{Bank::R, 401, 1};
constexpr Field MeasuringCircuit{Bank::R, 402, 1};
constexpr Field VtRatio{Bank::R, 403, 1};
constexpr Field CtRatio{Bank::R, 404, 1};
constexpr Field RatedCurrent{Bank::R, 405, 1};
constexpr Field UndervoltageAlarm{Bank::R, 501, 1};
constexpr Field OvervoltageAlarm{Bank::R, 502, 1};
constexpr Field OvercurrentAlarm{Bank::R, 503, 1};
constexpr Field ResistancePerPosition{Bank::R, 701, 1};
constexpr Field PositionCount{Bank::R, 702, 1};
constexpr Field IndicationMode{Bank::R, 703, 1};
constexpr Field NeutralPosition{Bank::R, 704, 1};
constexpr Field MinPosition{Bank::R, 705, 1};
constexpr Field MaxPosition{Bank::R, 706, 1};
constexpr Field PositionReadingOff{Bank::R, 707, 1};
constexpr Field PulseTime{Bank::R, 708, 1};
constexpr Field MinPositionReached{Bank::R, 801, 1};
constexpr Field MaxPositionReached{Bank::R, 802, 1};
constexpr Field TapOperationCount{Bank::R, 804, 1};
constexpr Field Measurements{Bank::R, 1001, 15};            // 1001..1015, 1015 = tap position
constexpr Field TapPosition{Bank::R, 1015, 1};
constexpr Field RelayStates{Bank::R, 1100, 10};
constexpr Field Word2670{Bank::R, 2670, 1};
constexpr Field Block2680{Bank::R, 2680, 6};
} // namespace R

// The C shares 301, 303, 701..706, 1015 and 1100..1109 with the R.
namespace C {
constexpr Field OutputRange = R::OutputRange;
constexpr Field CurrentFullScale = R::CurrentFullScale;
constexpr Field ResistancePerPosition = R::ResistancePerPosition;
constexpr Field PositionCount = R::PositionCount;
constexpr Field IndicationMode = R::IndicationMode;
constexpr Field NeutralPosition = R::NeutralPosition;
constexpr Field MinPosition = R::MinPosition;
constexpr Field MaxPosition = R::MaxPosition;
constexpr Field TapPosition = R::TapPosition;
constexpr Field RelayStates = R::RelayStates;
constexpr Field ReadingMode{Bank::C, 707, 1};
constexpr Field MeasuredResistance{Bank::C, 1016, 1};   // tenths of an ohm
constexpr Field MeasuredCurrent{Bank::C, 1017, 1};      // thousandths of a mA
constexpr Field Word1964{Bank::C, 1964, 1};
constexpr Field Faults{Bank::C, 1965, 1};
} // namespace C

namespace IRR {
constexpr Field IrrigationCycleStart{Bank::IRR, 1, 5};
constexpr Field IrrigationCycleDuration{Bank::IRR, 11, 5};
constexpr Field IrrigationCycleBranches{Bank::IRR, 21, 5};
constexpr Field MaxConsumption{Bank::IRR, 31, 1};
constexpr Field BlockOnConsumption{Bank::IRR, 32, 1};
constexpr Field PressureSensor{Bank::IRR, 101, 1};
constexpr Field PressureFullScale{Bank::IRR, 102, 1};
constexpr Field MaxPressure{Bank::IRR, 103, 1};
constexpr Field MinPressure{Bank::IRR, 104, 1};
constexpr Field MaxPressureTimer{Bank::IRR, 105, 1};
constexpr Field MinPressureTimer{Bank::IRR, 106, 1};
constexpr Field OperatingMode{Bank::IRR, 201, 1};
constexpr Field WaterMeterEnabled{Bank::IRR, 202, 1};
constexpr Field WaterMeterFactor{Bank::IRR, 203, 1};
constexpr Field RainGaugeEnabled{Bank::IRR, 204, 1};
constexpr Field RainGaugeFactor{Bank::IRR, 205, 1};
constexpr Field RainGaugeMax{Bank::IRR, 206, 1};
constexpr Field RainGaugePeriod{Bank::IRR, 207, 1};
constexpr Field Pt100Enabled{Bank::IRR, 208, 1};
constexpr Field BranchesEnabled{Bank::IRR, 209, 1};
constexpr Field ManualDuration{Bank::IRR, 210, 1};
constexpr Field ManualBranches{Bank::IRR, 211, 1};
constexpr Field RelayScreenSoftwareCommand{Bank::IRR, 212, 1};
constexpr Field WaterPresenceInverted{Bank::IRR, 213, 1};
constexpr Field PressureSwitchInverted{Bank::IRR, 214, 1};
constexpr Field Alarms{Bank::IRR, 1001, 1};
constexpr Field RainGauge{Bank::IRR, 1002, 2};
constexpr Field WaterMeterTotal{Bank::IRR, 1004, 2};
constexpr Field WaterMeterLastCycle{Bank::IRR, 1006, 2};
constexpr Field DigitalInputs{Bank::IRR, 1008, 1};
constexpr Field Pressure{Bank::IRR, 1009, 1};
constexpr Field ValvesOff{Bank::IRR, 1010, 1};
constexpr Field Temperature{Bank::IRR, 1011, 1};
constexpr Field Outputs{Bank::IRR, 1100, 10};
constexpr Field RecordIndex{Bank::IRR, 4000, 2};
constexpr Field RecordText{Bank::IRR, 4002, 36};
} // namespace IRR

} // namespace reg

// The field of an R regulator-set parameter: set s = 0..7, parameter p = 1..11, in
// the order of the INI keys of [ConfConjuntoN] (1 TensaoNominal, 2 DesvioMaximo,
// 3 TipoComando, 4 TipoTemporizacao, 5 TempoSubir, 6 TempoDescer, 7 TempoRepeticao,
// 8 HoraInicialHora, 9 HoraInicialMinuto, 10 HoraFinalHora, 11 HoraFinalMinuto).
constexpr int regulatorSetRegister(int set, int param)
{
    return 20 * set + param;
}

// Which bank holds register `reg` on device type `type`; Bank::None when unmapped.
Bank mappedBank(int type, int reg);
