#pragma once

#include "gui/app/PageView.h"

class QGroupBox;
class RegisterControlWidgets;
class PositionIndicatorPage;

// The position indicator page: the tap changer group with its four edits and the
// reading mode.
class PositionIndicatorPageView final : public PageView {
    Q_OBJECT
public:
    explicit PositionIndicatorPageView(PositionIndicatorPage& logic, QWidget* parent = nullptr);
    ~PositionIndicatorPageView() override;

    void render() override;

private:
    template <typename F>
    void handle(F&& f);

    PositionIndicatorPage& logic_;
    QGroupBox* tapChangerBox_ = nullptr;
    RegisterControlWidgets* controls_ = nullptr;
};
