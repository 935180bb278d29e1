#pragma once

#include "gui/app/PageView.h"

#include <array>
#include <functional>

class ApplyEdit;
class GeneralFrameWidgets;
class QLabel;
class QPushButton;
class MeasureGrid;
class QTimer;
class RadioGroupBox;
class RelayStrip;
class TFrameConfGeral_QLX700IRR;

// The QLX700-IRR general page: the shared connection and clock boxes, the live grid,
// the device language, the controller's commands and the ten outputs with the fixed
// labels and the branch names under them.
class FrameConfGeral_QLX700IRRView final : public PageView {
    Q_OBJECT
public:
    explicit FrameConfGeral_QLX700IRRView(TFrameConfGeral_QLX700IRR& logic, QWidget* parent = nullptr);

    void render() override;
    QTimer* timer1() const;

private:
    void handle(const std::function<void()>& f);
    QWidget* buildCommands(QWidget* parent);
    RelayStrip* buildRelays(QWidget* parent);

    TFrameConfGeral_QLX700IRR& logic_;
    GeneralFrameWidgets* general_ = nullptr;
    MeasureGrid* sgMedidas_ = nullptr;
    RadioGroupBox* rgIdioma_ = nullptr;
    QPushButton* bbManual_ = nullptr;
    std::array<QPushButton*, 4> commands_{};
    RelayStrip* relays_ = nullptr;
    std::array<QLabel*, 5> lampLabels_{};
    std::array<ApplyEdit*, 5> edRele_{};
};
