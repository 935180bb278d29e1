#pragma once

#include "gui/app/LogicDialog.h"

class TFormMemo;

class FormMemoView final : public LogicDialog {
    Q_OBJECT
public:
    FormMemoView(TFormMemo& logic, QWidget* parent);
};
