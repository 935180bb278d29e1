#pragma once

#include "gui/app/PageView.h"
#include "screens/parallelism/FrameConfParalelismoState.h"

#include <array>

class ApplyEdit;
class QLabel;
class RadioGroupBox;
class TFrameConfParalelismo;

// The parallelism page: the six edits, the position reading and the functions of
// relays 7..9.
class FrameConfParalelismoView final : public PageView {
    Q_OBJECT
public:
    explicit FrameConfParalelismoView(TFrameConfParalelismo& logic, QWidget* parent = nullptr);
    ~FrameConfParalelismoView() override;

    void render() override;

private:
    TFrameConfParalelismo& logic_;
    std::array<ApplyEdit*, kParalelismoEditCount> edits_{};
    std::array<QLabel*, kParalelismoEditCount> labels_{};
    std::array<RadioGroupBox*, kParalelismoRadioCount> radios_{};
};
