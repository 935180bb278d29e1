#include "screens/regulator/RegisterControls.h"

#include "app/Ui.h"
#include "device/DeviceLink.h"

RegisterControls::RegisterControls(const std::vector<RegisterControl>& controls)
    : controls_(controls)
    , values_(controls.size())
{
}

void RegisterControls::fill(const DeviceLink& comm, int base, char decimalSeparator)
{
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const RegisterControl& c = controls_[i];
        ControlValue& v = values_[i];
        const int reg = base + c.reg;
        if (!comm.received(reg)) {
            v = {};
            continue;
        }
        const int r = comm.registerValue(reg);
        if (c.kind != RegisterControl::Kind::Radio)
            v.text = shownControlValue(c, r, decimalSeparator);
        else if (r < static_cast<int>(c.items.size()))
            v.selected = r;
    }
}

bool RegisterControls::send(DeviceLink& comm, int base, Ui& ui, int language)
{
    bool ok = true;
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const RegisterControl& c = controls_[i];
        const ControlValue& v = values_[i];
        const int reg = base + c.reg;
        if (c.kind == RegisterControl::Kind::Radio) {
            if (v.selected >= 0)
                ok = comm.writeRegister(reg, v.selected, true) && ok;
            continue;
        }
        // A field left empty because its register was never read has nothing to send.
        if (v.text.empty() && !comm.received(reg))
            continue;
        const std::optional<int> r = writtenControlValue(c, v.text);
        if (!r) {
            ui.showMessage(MessageKind::Error, c.message.in(language));
            continue;
        }
        ok = comm.writeRegister(reg, *r, true) && ok;
    }
    return comm.flushQueuedWrites() && ok;
}
