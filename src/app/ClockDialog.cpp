#include "app/ClockDialog.h"

#include "app/DialogButtonTexts.h"
#include "app/LanguageText.h"
#include "app/Ui.h"
#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "screens/common/GeneralPageTexts.h"

#include <algorithm>
#include <array>

namespace {

constexpr LangText kClockCaption{"Trocar Horário", "Change Time", "Cambiar Tiempo"};
constexpr LangText kDateLabel{"Data", "Date", "Fecha"};
constexpr LangText kTimeLabel{"Hora", "Time", "Hora"};

} // namespace

ClockDialog::ClockDialog(DeviceLink& comm, int language, Ui& ui, const LocalDateTime& now)
    : Dialog({50, 50})
    , comm_(comm)
    , ui_(ui)
{
    setLanguage(language);
    setDate(now.year, now.month, now.day);
    setTime(now.hour, now.minute, now.second);
}

void ClockDialog::setLanguage(int language)
{
    language_ = language;
    caption_ = kClockCaption.in(language);
    dateLabel_ = kDateLabel.in(language);
    timeLabel_ = kTimeLabel.in(language);
    okButton_ = dialogbutton::Ok.in(language);
    cancelButton_ = dialogbutton::Cancel.in(language);
}

void ClockDialog::setDate(int year, int month, int day)
{
    value_.year = std::clamp(year, kFirstYear, kLastYear);
    value_.month = month;
    value_.day = day;
}

void ClockDialog::setTime(int hour, int minute, int second)
{
    value_.hour = hour;
    value_.minute = minute;
    value_.second = second;
}

void ClockDialog::okClicked()
{
    const std::array<std::uint16_t, 6> clock{
        static_cast<std::uint16_t>(value_.hour),  static_cast<std::uint16_t>(value_.minute),
        static_cast<std::uint16_t>(value_.second), static_cast<std::uint16_t>(value_.day),
        static_cast<std::uint16_t>(value_.month), static_cast<std::uint16_t>(value_.year - 2000)};
    const int type = comm_.deviceType();
    const bool clockAt601 = type == kQLX700R || type == kQLX700IRR || type == kQLX700C;
    if (!comm_.writeRegisters(clockAt601 ? 601 : 401, clock, false, true))
        ui_.showMessage(MessageKind::Error, general::SendErrorUnstopped.in(language_));
    close(mrOk);
}
