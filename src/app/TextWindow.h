#pragma once

#include "app/Dialog.h"

#include <string>
#include <utility>
#include <vector>

// A list of text lines for the user to read (index, ": ", value lists of the
// calibration page). Its caption is empty.
class TextWindow final : public Dialog {
public:
    TextWindow()
        : Dialog({50, 50})
    {
    }

    void addLine(std::string line) { lines_.push_back(std::move(line)); }
    const std::vector<std::string>& lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};
