#pragma once

#include "screens/common/RegisterControl.h"

#include <optional>
#include <vector>

class DeviceLink;
class Ui;

// The controls of a settings page and what they show: filled from the register
// image, validated and written in their order. Registers are offsets from the page's
// base (a regulation set, a P unit's index on its bus); without a base only the
// absolute ones have a register.
class RegisterControls {
public:
    explicit RegisterControls(const std::vector<RegisterControl>& controls);

    // Fills every control from the image. A control without a register, or with one
    // never read on this link, is left empty.
    void fill(const DeviceLink& comm, std::optional<int> base, char decimalSeparator);
    // Queues the write of every control in order (values the image already holds are
    // not sent), one message per invalid edit, then flushes; a write or a flush that
    // failed is reported after them.
    void send(DeviceLink& comm, std::optional<int> base, Ui& ui, int language);
    // The last send wrote this control's value over another one, or over one never read.
    bool changed(std::size_t control) const { return changed_.at(control); }

    const std::vector<RegisterControl>& controls() const { return controls_; }
    const std::vector<ControlValue>& values() const { return values_; }
    void setText(std::size_t control, const std::string& text) { values_.at(control).text = text; }
    // False, changing nothing, when the control is not a radio group with that item.
    bool select(std::size_t control, int index);

private:
    const std::vector<RegisterControl>& controls_;
    std::vector<ControlValue> values_;
    std::vector<bool> changed_;
};
