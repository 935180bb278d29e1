#pragma once

#include "gui/app/LogicDialog.h"

class QLineEdit;
class PasswordDialog;

class PasswordDialogView final : public LogicDialog {
    Q_OBJECT
public:
    PasswordDialogView(PasswordDialog& logic, QWidget* parent);

    QLineEdit* passwordEdit() const { return passwordEdit_; }

private:
    PasswordDialog& logic_;
    QLineEdit* passwordEdit_;
};
