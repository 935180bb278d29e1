#pragma once

#include "gui/app/PageView.h"
#include "screens/thermal/FrameConfSetPointsState.h"

#include <array>

class ApplyEdit;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class RadioGroupBox;
class TFrameConfSetPoints;

// The set points page: the relay grid with its in-place editors (`edVal`, `cbVal`)
// and, below it, the daily cooling window, the configuration group (alternation,
// active and redundant RTDs) and the winding calculation parameters.
class FrameConfSetPointsView final : public PageView {
    Q_OBJECT
public:
    explicit FrameConfSetPointsView(TFrameConfSetPoints& logic, QWidget* parent = nullptr);
    ~FrameConfSetPointsView() override;

    void render() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <typename F>
    void handle(F&& f);
    ApplyEdit* edit(SetPointEdit which, const char* name, QWidget* parent);
    QLabel* label(const char* name, QWidget* parent);
    void placeEditors();
    void fitGrid();

    TFrameConfSetPoints& logic_;
    QTableWidget* sgSetPoints_ = nullptr;
    QLineEdit* edVal_ = nullptr;
    QComboBox* cbVal_ = nullptr;
    std::array<ApplyEdit*, kSetPointEditCount> edits_{};
    QGroupBox* gbResfriamentoDiario_ = nullptr;
    QLabel* lblResfriamentoDiarioInicio_ = nullptr;
    QLabel* lblResfriamentoDiarioDuracao_ = nullptr;
    QGroupBox* gbConfig_ = nullptr;
    QLabel* lblReleAlternado_ = nullptr;
    QComboBox* cbReleAlternado_ = nullptr;
    RadioGroupBox* rgNumRtd_ = nullptr;
    QGroupBox* gbRedundante_ = nullptr;
    std::array<QCheckBox*, FrameConfSetPointsState::kRedundantBoxes> cbRedundante_{};
    QLabel* lblMaxDifTemp_ = nullptr;
    QGroupBox* gbCalc_ = nullptr;
    QLabel* lblCalcCorrNom_ = nullptr;
    QLabel* lblCalcDeltaT_ = nullptr;
    QLabel* lblCalcConstT_ = nullptr;
    QLabel* lblCalcM_ = nullptr;
};
