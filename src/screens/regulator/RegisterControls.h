#pragma once

#include "screens/regulator/RegisterControl.h"

#include <vector>

class DeviceLink;
class Ui;

// The controls of one of the regulator's settings pages and what they show: filled
// from the register image, validated and written in their order.
class RegisterControls {
public:
    explicit RegisterControls(const std::vector<RegisterControl>& controls);

    // Fills every control from the image, registers at base + reg. A radio group
    // whose value is beyond its items keeps its selection; a register never read on
    // this link leaves its control empty.
    void fill(const DeviceLink& comm, int base, char decimalSeparator);
    // Queues the write of every control in order (values the image already holds are
    // not sent), one message per invalid edit, then flushes. False when a write or
    // the flush failed.
    bool send(DeviceLink& comm, int base, Ui& ui, int language);

    const std::vector<RegisterControl>& controls() const { return controls_; }
    const std::vector<ControlValue>& values() const { return values_; }
    void setText(std::size_t control, const std::string& text) { values_.at(control).text = text; }
    void select(std::size_t control, int index) { values_.at(control).selected = index; }

private:
    const std::vector<RegisterControl>& controls_;
    std::vector<ControlValue> values_;
};
