#pragma once

#include "gui/app/PageView.h"

class QComboBox;
class QGroupBox;
class RegisterControlWidgets;
class TFrameConfConjuntoReg;

// The regulation set page: the set chosen in the list and its fields.
class FrameConfConjuntoRegView final : public PageView {
    Q_OBJECT
public:
    explicit FrameConfConjuntoRegView(TFrameConfConjuntoReg& logic, QWidget* parent = nullptr);

    void render() override;

private:
    template <typename F>
    void handle(F&& f);

    TFrameConfConjuntoReg& logic_;
    QComboBox* cbConjunto_ = nullptr;
    QGroupBox* gbConjunto_ = nullptr;
    RegisterControlWidgets* controls_ = nullptr;
};
