#pragma once

#include <array>
#include <string>

// The edits of the position indicator page.
enum class PositionEdit : int { ResistancePerPosition, PositionCount, MinPosition, MaxPosition };
constexpr int kPositionEditCount = 4;

// What the position indicator page's view draws.
struct PositionIndicatorPageState {
    std::array<std::string, kPositionEditCount> edits{};
    // -1: the device's reading mode has no item.
    int readingMode = -1;
};
