#pragma once

#include "gui/app/LogicDialog.h"
#include "screens/irrigation/ManualOperationWindow.h"

#include <array>
#include <functional>

class ApplyEdit;
class QCheckBox;
class QGroupBox;
class QHideEvent;
class QLabel;
class QPushButton;
class QShowEvent;
class QTimer;

// The manual operation window: the manual cycle's branches, duration and start and stop
// buttons, and the pump and valves under direct control, refreshed every 3.5 s.
class ManualOperationWindowView final : public LogicDialog {
    Q_OBJECT
public:
    ManualOperationWindowView(ManualOperationWindow& logic, QWidget* parent);

    // The timer's work: one tick of the logic, then the redraw.
    void tick();
    QTimer* refreshTimer() const { return refreshTimer_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void render() override;
    QCheckBox* box(const char* name, QWidget* parent, std::function<void(bool)> set);

    ManualOperationWindow& logic_;
    QWidget* backgroundPanel_;
    QGroupBox* manualCycleBox_ = nullptr;
    QGroupBox* manualControlBox_ = nullptr;
    std::array<QCheckBox*, ManualOperationWindow::kBranches> cycleBranchChecks_{};
    std::array<QCheckBox*, ManualOperationWindow::kBranches> valveChecks_{};
    QCheckBox* pumpCheck_ = nullptr;
    QLabel* durationLabel_ = nullptr;
    ApplyEdit* durationEdit_ = nullptr;
    QTimer* refreshTimer_;
};
