#pragma once

#include <array>
#include <string>

// The edits of the position indicator page.
enum class PositionEdit : int { ResPorPos, NumPos, PosMin, PosMax };
constexpr int kPositionEditCount = 4;

// What the position indicator page's view draws.
struct FrameConfQLX700CState {
    std::array<std::string, kPositionEditCount> edits{};
    // -1: the device's reading mode has no item.
    int rgModoLeitura = -1;
};
