#pragma once

#include "gui/app/LogicDialog.h"

class TextWindow;

class TextWindowView final : public LogicDialog {
    Q_OBJECT
public:
    TextWindowView(TextWindow& logic, QWidget* parent);
};
