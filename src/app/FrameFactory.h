#pragma once

#include "app/FrameId.h"

#include <memory>

class TFormMain;
class TFrame;

// Creates the logic of each page once, at start-up. A page that has no logic yet
// gets none, and the main window shows its client area empty.
class FrameFactory {
public:
    virtual ~FrameFactory() = default;
    virtual std::unique_ptr<TFrame> create(FrameId id, TFormMain& main) = 0;
};
