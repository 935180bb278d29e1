#pragma once

#include <array>
#include <string>

// The edits of the parallelism page, in the order a send checks them (the address last).
enum class ParallelismEdit : int {
    BusSize,
    PositionCount,
    ResistancePerPosition,
    ParallelismErrorTime,
    ConfigurationErrorTime,
    Address,
};
constexpr int kParallelismEditCount = 6;

// The radio groups: position reading, then the functions of relays 7, 8 and 9.
enum class ParallelismRadio : int { PositionReading, Relay7Config, Relay8Config, Relay9Config };
constexpr int kParallelismRadioCount = 4;

// What the parallelism page's view draws.
struct ParallelismPageState {
    std::array<std::string, kParallelismEditCount> edits{};
    // -1: no item (a value the group has no item for, or never read).
    std::array<int, kParallelismRadioCount> radios{-1, -1, -1, -1};
};
