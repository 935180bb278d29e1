#pragma once

// The pages of the main window, in the order they are created.
enum class PageId : int {
    ThermalGeneral,          // QLX700-T general page
    ParallelismGeneral,
    RegulatorGeneral,
    IrrigationGeneral,
    PositionGeneral,
    Calibration,
    Events,
    SetPoints,
    SerialPorts,
    CurrentOutputs,
    Parallelism,
    RegulatorSettings,
    IrrigationSettings,
    PositionIndicator,
    RegulatorSets,
    IrrigationRecords,
};

constexpr int kPageCount = 16;
