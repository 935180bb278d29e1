#pragma once

#include "gui/app/LogicDialog.h"

class QDateEdit;
class QTimeEdit;
class ClockDialog;

class ClockDialogView final : public LogicDialog {
    Q_OBJECT
public:
    ClockDialogView(ClockDialog& logic, QWidget* parent);

private:
    ClockDialog& logic_;
    QDateEdit* dateEdit_;
    QTimeEdit* timeEdit_;
};
