#pragma once

#include "gui/app/LogicDialog.h"
#include "screens/irrigation/Form_QLX700IRR_ManualF.h"

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

// The manual operation form: the manual cycle's branches, duration and start and stop
// buttons, and the pump and valves under direct control, refreshed every 3.5 s.
class Form_QLX700IRR_ManualView final : public LogicDialog {
    Q_OBJECT
public:
    Form_QLX700IRR_ManualView(TForm_QLX700IRR_Manual& logic, QWidget* parent);

    // The timer's work: one tick of the logic, then the redraw.
    void tick();
    QTimer* timerUpdate() const { return timer_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void render() override;
    QCheckBox* box(const char* name, QWidget* parent, std::function<void(bool)> set);

    TForm_QLX700IRR_Manual& logic_;
    QWidget* pnBack_;
    QGroupBox* gbCicloManual_ = nullptr;
    QGroupBox* gbControleManual_ = nullptr;
    std::array<QCheckBox*, TForm_QLX700IRR_Manual::kBranches> cbCicloValvula_{};
    std::array<QCheckBox*, TForm_QLX700IRR_Manual::kBranches> cbValvula_{};
    QCheckBox* cbManualBomba_ = nullptr;
    QLabel* lblDuracao_ = nullptr;
    ApplyEdit* edDuracao_ = nullptr;
    QTimer* timer_;
};
