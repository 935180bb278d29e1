#pragma once

#include "app/Dialog.h"

#include <string>

class DeviceLink;
class Ui;

// Changes the device password (registers 1600..1603, one letter each).
class ChangePasswordDialog final : public Dialog {
public:
    ChangePasswordDialog(DeviceLink& comm, int language, Ui& ui);

    void setLanguage(int language);
    // Reads the current password from the device.
    void readDevice();
    // At most four characters, letters in capitals.
    void setNewPassword(const std::string& text);
    void okClicked();
    void cancelClicked() { close(mrCancel); }

    const std::string& caption() const { return caption_; }
    const std::string& currentPasswordLabel() const { return currentPasswordLabel_; }
    const std::string& newPasswordLabel() const { return newPasswordLabel_; }
    const std::string& okButton() const { return okButton_; }
    const std::string& cancelButton() const { return cancelButton_; }
    const std::string& currentPassword() const { return currentPassword_; }
    const std::string& newPassword() const { return newPassword_; }

private:
    DeviceLink& comm_;
    Ui& ui_;
    int language_ = 0;
    std::string caption_;
    std::string currentPasswordLabel_;
    std::string newPasswordLabel_;
    std::string okButton_;
    std::string cancelButton_;
    std::string currentPassword_;
    std::string newPassword_;
};
