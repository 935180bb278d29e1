#pragma once

#include "app/Dialog.h"
#include "app/LocalDateTime.h"

#include <string>

class DeviceLink;
class Ui;

// Sets the device clock from a date and a time picked by the user. The device keeps
// the year as year - 2000, so the pickers hold 2000..2099.
class ClockDialog final : public Dialog {
public:
    static constexpr int kFirstYear = 2000;
    static constexpr int kLastYear = 2099;

    // The pickers start at `now`, the computer's date and time.
    ClockDialog(DeviceLink& comm, int language, Ui& ui, const LocalDateTime& now = LocalNow());

    void setLanguage(int language);
    void setDate(int year, int month, int day);
    void setTime(int hour, int minute, int second);
    void okClicked();
    void cancelClicked() { close(mrCancel); }

    const LocalDateTime& value() const { return value_; }
    int language() const { return language_; }
    const std::string& caption() const { return caption_; }
    const std::string& dateLabel() const { return dateLabel_; }
    const std::string& timeLabel() const { return timeLabel_; }
    const std::string& okButton() const { return okButton_; }
    const std::string& cancelButton() const { return cancelButton_; }

private:
    DeviceLink& comm_;
    Ui& ui_;
    int language_ = 0;
    LocalDateTime value_;
    std::string caption_;
    std::string dateLabel_;
    std::string timeLabel_;
    std::string okButton_;
    std::string cancelButton_;
};
