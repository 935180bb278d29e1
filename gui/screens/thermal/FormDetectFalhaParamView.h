#pragma once

#include "gui/app/LogicDialog.h"
#include "screens/thermal/FormDetectFalhaParamF.h"

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
class FormDetectFalhaParamView final : public LogicDialog {
    Q_OBJECT
public:
    static constexpr int kTickInterval = 1000;

    FormDetectFalhaParamView(TFormDetectFalhaParam& logic, QWidget* parent);

    // The timer's work: one tick of the logic, then the redraw.
    void tick();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void render() override;

    TFormDetectFalhaParam& logic_;
    QTableWidget* sgValores_;
    std::array<QLineEdit*, TFormDetectFalhaParam::kRowCount> cells_{};
    QPushButton* sbSalvar_ = nullptr;
    QLabel* pnEstado_;
    QLabel* pnResult_;
    QLabel* pnMedida_;
    QTimer* timer_;
};
