#include "screens/common/RegisterControls.h"

#include "app/Ui.h"
#include "device/DeviceLink.h"
#include "screens/common/GeneralPageTexts.h"

RegisterControls::RegisterControls(const std::vector<RegisterControl>& controls)
    : controls_(controls)
    , values_(controls.size())
    , changed_(controls.size())
{
}

void RegisterControls::fill(const DeviceLink& comm, std::optional<int> base, char decimalSeparator)
{
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const RegisterControl& c = controls_[i];
        ControlValue& v = values_[i];
        const std::optional<int> reg = shownRegister(c, base);
        if (!reg || !comm.received(*reg)) {
            v = {};
            continue;
        }
        const int r = comm.registerValue(*reg);
        if (c.kind != ControlKind::Radio)
            v.text = shownControlValue(c, r, decimalSeparator);
        else if (r < static_cast<int>(c.items.size()))
            v.selected = r;
        else if (c.unknownSelectsNone)
            v.selected = -1;
    }
}

void RegisterControls::send(DeviceLink& comm, std::optional<int> base, Ui& ui, int language)
{
    bool ok = true;
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const RegisterControl& c = controls_[i];
        const ControlValue& v = values_[i];
        changed_[i] = false;
        const std::optional<int> reg = writtenRegister(c, base);
        if (!reg)
            continue;
        int value = 0;
        if (c.kind == ControlKind::Radio) {
            if (v.selected < 0)
                continue;
            value = v.selected;
        } else {
            // A field left empty because its register was never read has nothing to send.
            const std::optional<int> shown = shownRegister(c, base);
            if (v.text.empty() && !(shown && comm.received(*shown)))
                continue;
            const std::optional<int> r = writtenControlValue(c, v.text);
            if (!r) {
                ui.showMessage(MessageKind::Error, c.message.in(language));
                continue;
            }
            value = *r;
        }
        changed_[i] = !comm.received(*reg) || comm.registerValue(*reg) != value;
        ok = comm.writeRegister(*reg, value, true) && ok;
    }
    if (!(comm.flushQueuedWrites() && ok))
        ui.showMessage(MessageKind::Error, general::SendError.in(language));
}

bool RegisterControls::select(std::size_t control, int index)
{
    const RegisterControl& c = controls_.at(control);
    if (c.kind != ControlKind::Radio || index < 0 || index >= static_cast<int>(c.items.size()))
        return false;
    values_[control].selected = index;
    return true;
}
