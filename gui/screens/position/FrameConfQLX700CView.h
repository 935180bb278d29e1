#pragma once

#include "gui/app/PageView.h"
#include "screens/position/FrameConfQLX700CState.h"

#include <array>

class ApplyEdit;
class QGroupBox;
class QLabel;
class RadioGroupBox;
class TFrameConfQLX700C;

// The position indicator page: the tap changer group with its four edits and the
// reading mode.
class FrameConfQLX700CView final : public PageView {
    Q_OBJECT
public:
    explicit FrameConfQLX700CView(TFrameConfQLX700C& logic, QWidget* parent = nullptr);
    ~FrameConfQLX700CView() override;

    void render() override;

private:
    TFrameConfQLX700C& logic_;
    QGroupBox* gbComutador_ = nullptr;
    std::array<ApplyEdit*, kPositionEditCount> edits_{};
    std::array<QLabel*, kPositionEditCount> labels_{};
    RadioGroupBox* rgModoLeitura_ = nullptr;
};
