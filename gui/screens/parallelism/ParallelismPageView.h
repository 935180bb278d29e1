#pragma once

#include "gui/app/PageView.h"
#include "screens/parallelism/ParallelismPageState.h"

#include <array>

class ApplyEdit;
class QLabel;
class RadioGroupBox;
class ParallelismPage;

// The parallelism page: the six edits, the position reading and the functions of
// relays 7..9.
class ParallelismPageView final : public PageView {
    Q_OBJECT
public:
    explicit ParallelismPageView(ParallelismPage& logic, QWidget* parent = nullptr);
    ~ParallelismPageView() override;

    void render() override;

private:
    ParallelismPage& logic_;
    std::array<ApplyEdit*, kParallelismEditCount> edits_{};
    std::array<QLabel*, kParallelismEditCount> labels_{};
    std::array<RadioGroupBox*, kParallelismRadioCount> radios_{};
};
