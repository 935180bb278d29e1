#pragma once

#include "gui/app/PageView.h"
#include "screens/thermal/CurrentOutputsPage.h"

#include <array>

class ApplyEdit;
class QComboBox;
class QLabel;
class RadioGroupBox;

// The current output page: the range (or the fixed 0-1 mA panel in its place), the
// full scales and the channel that drives each output.
class CurrentOutputsPageView final : public PageView {
    Q_OBJECT
public:
    explicit CurrentOutputsPageView(CurrentOutputsPage& logic, QWidget* parent = nullptr);
    ~CurrentOutputsPageView() override;

    void render() override;

private:
    ApplyEdit* edit(const char* name, CurrentOutputsPage::Focus focus);
    template <typename F>
    void handle(F&& f);

    static constexpr std::size_t kOutputs = CurrentOutputsPageState::kOutputCount;

    CurrentOutputsPage& logic_;
    RadioGroupBox* rangeGroup_ = nullptr;
    QLabel* fixedRangePanel_ = nullptr;
    QLabel* fullScaleLabel_ = nullptr;
    ApplyEdit* fullScaleEdit_ = nullptr;
    QLabel* currentFullScaleLabel_ = nullptr;
    ApplyEdit* currentFullScaleEdit_ = nullptr;
    std::array<QLabel*, kOutputs> outputChannelLabels_{};
    std::array<QComboBox*, kOutputs> outputChannelCombos_{};
};
