#pragma once

#include "gui/app/LogicDialog.h"

class QLabel;
class QLineEdit;
class ChangePasswordDialog;

class ChangePasswordDialogView final : public LogicDialog {
    Q_OBJECT
public:
    ChangePasswordDialogView(ChangePasswordDialog& logic, QWidget* parent);

private:
    void firstShow() override;
    void render() override;

    ChangePasswordDialog& logic_;
    QLabel* currentPasswordPanel_;
    QLineEdit* newPasswordEdit_;
};
