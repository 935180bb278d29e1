#pragma once

#include "gui/app/LogicDialog.h"
#include "screens/thermal/FaultDetectionWindow.h"

#include <array>

class QHideEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;
class QTableWidget;
class QTimer;

// The membrane fault test: its seven parameters, and once a second the test's state,
// result and the RTD 1 temperature.
class FaultDetectionWindowView final : public LogicDialog {
    Q_OBJECT
public:
    static constexpr int kTickInterval = 1000;

    FaultDetectionWindowView(FaultDetectionWindow& logic, QWidget* parent);

    // The timer's work: one tick of the logic, then the redraw.
    void tick();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void render() override;

    FaultDetectionWindow& logic_;
    QTableWidget* valueGrid_;
    std::array<QLineEdit*, FaultDetectionWindow::kRowCount> cells_{};
    QPushButton* recordButton_ = nullptr;
    QLabel* statePanel_;
    QLabel* resultPanel_;
    QLabel* measurementPanel_;
    QTimer* timer_;
};
