#pragma once

#include "gui/app/PageView.h"
#include "screens/position/PositionIndicatorPageState.h"

#include <array>

class ApplyEdit;
class QGroupBox;
class QLabel;
class RadioGroupBox;
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
    PositionIndicatorPage& logic_;
    QGroupBox* tapChangerBox_ = nullptr;
    std::array<ApplyEdit*, kPositionEditCount> edits_{};
    std::array<QLabel*, kPositionEditCount> labels_{};
    RadioGroupBox* readingModeGroup_ = nullptr;
};
