#pragma once

#include <array>
#include <string>

// The edits of the irrigation settings page. The start time of a cycle is two edits,
// hours and minutes, over one register.
enum class IrrEdit : int {
    StartHour,
    StartMinute,
    Duration,
    MaxHydrometer,
    ManualDuration,
    PressureFullScale,
    MaxPressure,
    MinPressure,
    MaxPressureTimer,
    MinPressureTimer,
    HydrometerFactor,
    PluviometerFactor,
    MaxPluviometer,
    PluviometerPeriod,
};
constexpr int kIrrEditCount = 14;

// Its check boxes: the five branches of the selected cycle, then the single switches.
enum class IrrCheck : int {
    Branch1,
    Branch2,
    Branch3,
    Branch4,
    Branch5,
    BlockOnConsumption,
    HydrometerEnabled,
    PluviometerEnabled,
    Pt100Enabled,
};
constexpr int kIrrCheckCount = 9;
constexpr int kIrrBranchCount = 5;

// Its radio groups, each of two items.
enum class IrrRadio : int { BranchesEnabled, PressureSensor, OperationMode, WaterSensor, PressureSwitch };
constexpr int kIrrRadioCount = 5;

// What the irrigation settings page's view draws.
struct IrrigationSettingsPageState {
    static constexpr int kUnknown = -1;

    // The item of the cycle combo, the cycle shown.
    int cycle = 0;
    std::array<std::string, kIrrEditCount> edits{};
    // 0 or 1; kUnknown while the box's register was never received on this link.
    std::array<int, kIrrCheckCount> checks{kUnknown, kUnknown, kUnknown, kUnknown, kUnknown,
                                           kUnknown, kUnknown, kUnknown, kUnknown};
    // The selected item; kUnknown selects none.
    std::array<int, kIrrRadioCount> radios{kUnknown, kUnknown, kUnknown, kUnknown, kUnknown};
};
