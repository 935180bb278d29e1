#pragma once

#include "gui/app/PageView.h"

#include <array>
#include <functional>

class GeneralFrameWidgets;
class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTimer;
class RelayStrip;
class TFrameConfGeral;

// The QLX700-T general page: the shared connection and clock boxes, the device
// settings, the measurement grids and the ten relays with their names. Timer1 ticks
// the logic every second while the logic has it enabled.
class FrameConfGeralView final : public PageView {
    Q_OBJECT
public:
    explicit FrameConfGeralView(TFrameConfGeral& logic, QWidget* parent = nullptr);

    void render() override;
    QTimer* timer1() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildSettings();
    QWidget* buildGrids();
    QWidget* buildRelays();
    QButtonGroup* radioGroup(QGroupBox* box, const char* name, int items, std::function<void(int)> click);
    // Runs a handler of the logic, then redraws.
    void handle(const std::function<void()>& f);
    void tick();

    TFrameConfGeral& logic_;
    QWidget* pnBack_ = nullptr;
    GeneralFrameWidgets* general_ = nullptr;
    QPushButton* BitBtn1_ = nullptr;
    QGroupBox* rgVisualizacaoBox_ = nullptr;
    QGroupBox* rgFreqOperacaoBox_ = nullptr;
    QGroupBox* rgIdiomaBox_ = nullptr;
    QButtonGroup* rgVisualizacao_ = nullptr;
    QButtonGroup* rgFreqOperacao_ = nullptr;
    QButtonGroup* rgIdioma_ = nullptr;
    QTableWidget* sgMedidas_ = nullptr;
    QTableWidget* sgMedidasEnrolamento_ = nullptr;
    RelayStrip* relays_ = nullptr;
    std::array<QLineEdit*, 10> edRele_{};
};
