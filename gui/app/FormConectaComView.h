#pragma once

#include "gui/app/LogicDialog.h"

class QComboBox;
class QLineEdit;
class TFormConectaCom;

class FormConectaComView final : public LogicDialog {
    Q_OBJECT
public:
    FormConectaComView(TFormConectaCom& logic, QWidget* parent);

private:
    TFormConectaCom& logic_;
    QComboBox* cbPortaCom_;
    QLineEdit* edEnderecoModbus_;
    QComboBox* cbBaudRate_;
    QComboBox* cbFormato_;
};
