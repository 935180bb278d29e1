#pragma once

#include "gui/app/PageView.h"
#include "screens/thermal/SetPointsPageState.h"

#include <array>

class ApplyEdit;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class RadioGroupBox;
class SetPointsPage;

// The set points page: the relay grid with its in-place editors (`cellEdit_`, `cellCombo_`)
// and, below it, the daily cooling window, the configuration group (alternation,
// active and redundant RTDs) and the winding calculation parameters.
class SetPointsPageView final : public PageView {
    Q_OBJECT
public:
    explicit SetPointsPageView(SetPointsPage& logic, QWidget* parent = nullptr);
    ~SetPointsPageView() override;

    void render() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <typename F>
    void handle(F&& f);
    template <typename F>
    void sendAll(F&& f);
    ApplyEdit* edit(SetPointEdit which, const char* name, QWidget* parent);
    QLabel* label(const char* name, QWidget* parent);
    void placeEditors();
    void leaveCellEdit();
    void fitGrid();

    SetPointsPage& logic_;
    QTableWidget* setPointGrid_ = nullptr;
    QLineEdit* cellEdit_ = nullptr;
    QComboBox* cellCombo_ = nullptr;
    bool leavingCell_ = false;
    std::array<ApplyEdit*, kSetPointEditCount> edits_{};
    QGroupBox* dailyCoolingBox_ = nullptr;
    QLabel* dailyCoolingStartLabel_ = nullptr;
    QLabel* dailyCoolingDurationLabel_ = nullptr;
    QGroupBox* configurationBox_ = nullptr;
    QLabel* setPointAlternationLabel_ = nullptr;
    QComboBox* setPointAlternationCombo_ = nullptr;
    RadioGroupBox* activeRtdCountGroup_ = nullptr;
    QGroupBox* redundantRtdsBox_ = nullptr;
    std::array<QCheckBox*, SetPointsPageState::kRedundantBoxes> redundantRtdChecks_{};
    QLabel* maxTemperatureDifferenceLabel_ = nullptr;
    QGroupBox* calculationBox_ = nullptr;
    QLabel* nominalCurrentLabel_ = nullptr;
    QLabel* deltaTLabel_ = nullptr;
    QLabel* timeConstantLabel_ = nullptr;
    QLabel* parameterMLabel_ = nullptr;
};
