#include "screens/common/PcClockSend.h"

#include "app/Ui.h"
#include "device/DeviceLink.h"
#include "screens/common/GeneralPageTexts.h"

#include <array>
#include <cstdint>

namespace {
constexpr int kFirstYear = 2000;
constexpr int kLastYear = 2099;
} // namespace

void sendPcClock(DeviceLink& comm, Ui& ui, int language, const LocalDateTime& now)
{
    if (!comm.connected())
        return;
    if (!ui.ask(MessageKind::Confirmation, general::ConfirmPcClock.in(language)))
        return;
    if (now.year < kFirstYear || now.year > kLastYear) {
        ui.showMessage(MessageKind::Error, general::SendError.in(language));
        return;
    }
    const std::array<std::uint16_t, 6> block{
        static_cast<std::uint16_t>(now.hour),  static_cast<std::uint16_t>(now.minute),
        static_cast<std::uint16_t>(now.second), static_cast<std::uint16_t>(now.day),
        static_cast<std::uint16_t>(now.month), static_cast<std::uint16_t>(now.year - kFirstYear)};
    if (!comm.writeRegisters(comm.image().clockField().first, block, false, true))
        ui.showMessage(MessageKind::Error, general::SendError.in(language));
}
