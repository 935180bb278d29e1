#pragma once

#include "gui/app/PageView.h"

#include <array>
#include <functional>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTimer;
class TFrameConfGeral;

// The QLX700-T general page: connection buttons and panels, the clock, the device
// settings, the measurement grids and the ten relays with their names. It ticks the
// logic's Timer1 every second while the logic has it enabled.
class FrameConfGeralView final : public PageView {
    Q_OBJECT
public:
    static constexpr int kTimerMs = 1000;

    explicit FrameConfGeralView(TFrameConfGeral& logic, QWidget* parent = nullptr);

    void render() override;
    QTimer* timer1() const { return timer1_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildConnection();
    QWidget* buildClock();
    QWidget* buildSettings();
    QWidget* buildGrids();
    QWidget* buildRelays();
    QButtonGroup* radioGroup(QGroupBox* box, const char* name, int items, std::function<void(int)> click);
    QPushButton* button(const char* name, std::function<void()> click);
    // Runs a handler of the logic, then redraws.
    template <typename F>
    void handle(F&& f);
    void tick();

    TFrameConfGeral& logic_;
    QWidget* pnBack_ = nullptr;
    QPushButton* bbConectar_ = nullptr;
    QPushButton* bbConectarUsb_ = nullptr;
    QPushButton* bbConectarIP_ = nullptr;
    QLabel* pnNumSerie_ = nullptr;
    QLabel* pnVersaoFirmware_ = nullptr;
    QLabel* pnRelogio_ = nullptr;
    QPushButton* bbAjustarRelogioComputador_ = nullptr;
    QPushButton* bbAjustarRelogioManual_ = nullptr;
    QPushButton* bbAlterarSenha_ = nullptr;
    QPushButton* bbAlterarIP_ = nullptr;
    QPushButton* bbSalvarConf_ = nullptr;
    QPushButton* bbCarregarConf_ = nullptr;
    QPushButton* BitBtn1_ = nullptr;
    QGroupBox* rgVisualizacaoBox_ = nullptr;
    QGroupBox* rgFreqOperacaoBox_ = nullptr;
    QGroupBox* rgIdiomaBox_ = nullptr;
    QButtonGroup* rgVisualizacao_ = nullptr;
    QButtonGroup* rgFreqOperacao_ = nullptr;
    QButtonGroup* rgIdioma_ = nullptr;
    QTableWidget* sgMedidas_ = nullptr;
    QTableWidget* sgMedidasEnrolamento_ = nullptr;
    std::array<QLabel*, 10> spRele_{};
    std::array<QLabel*, 10> imgRele_{};
    std::array<QLineEdit*, 10> edRele_{};
    QTimer* timer1_ = nullptr;
};
