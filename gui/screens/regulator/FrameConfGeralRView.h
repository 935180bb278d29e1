#pragma once

#include "gui/app/PageView.h"

#include <array>
#include <functional>

class GeneralFrameWidgets;
class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;
class RadioGroupBox;
class RelayStrip;
class TFrameConfGeral_QLX700R;

// The QLX700-R general page: the shared connection and clock boxes, the indication
// mode and device language, the tap commands, the two measurement grids and the ten
// relays. Timer1 ticks the logic every second while the logic has it enabled.
class FrameConfGeralRView final : public PageView {
    Q_OBJECT
public:
    explicit FrameConfGeralRView(TFrameConfGeral_QLX700R& logic, QWidget* parent = nullptr);

    void render() override;
    QTimer* timer1() const;

private:
    QWidget* buildSettings();
    QWidget* buildGrids();
    QWidget* buildRelays();
    // Runs a handler of the logic, then redraws.
    void handle(const std::function<void()>& f);
    void tick();

    TFrameConfGeral_QLX700R& logic_;
    QWidget* pnBack_ = nullptr;
    GeneralFrameWidgets* general_ = nullptr;
    RadioGroupBox* rgVisualizacao_ = nullptr;
    RadioGroupBox* rgIdioma_ = nullptr;
    QPushButton* bbPosicaoUp_ = nullptr;
    QPushButton* bbPosicaoDown_ = nullptr;
    QPushButton* bbResetMaxMinCom_ = nullptr;
    QTableWidget* sgMedidas_ = nullptr;
    QTableWidget* sgMedidas2_ = nullptr;
    RelayStrip* relays_ = nullptr;
    std::array<QLabel*, 10> lblRele_{};
};
