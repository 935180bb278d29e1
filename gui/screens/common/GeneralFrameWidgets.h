#pragma once

#include <QObject>

#include <functional>

class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTimer;
class QWidget;
class TGeneralFrame;

// The parts every general frame's view has: the connection box (connect buttons, serial
// number and firmware panels, password and IP buttons, configuration files), the clock
// box with the "no answer" marker, and Timer1. A model's view places the two boxes,
// adds its own widgets, and greys its live values while `stale()` holds.
class GeneralFrameWidgets final : public QObject {
    Q_OBJECT
public:
    static constexpr int kTimerMs = 1000;
    using Handle = std::function<void(const std::function<void()>&)>;

    // `handle` runs a logic handler and then redraws the whole view; `tick` is the
    // view's timer step (the logic's Timer1Timer and a redraw).
    GeneralFrameWidgets(TGeneralFrame& logic, QWidget* parent, Handle handle, std::function<void()> tick);

    QGroupBox* connectionBox() const { return connection_; }
    // Free cells of the connection box's grid start at row 3, column 2 (a model's extra button).
    QGridLayout* connectionGrid() const { return connectionGrid_; }
    QGroupBox* clockBox() const { return clock_; }
    // The page's top row: the connection box, and the clock box taking the rest.
    QHBoxLayout* topRow() const;
    QTimer* timer1() const { return timer1_; }
    QPushButton* button(const char* name, QWidget* parent, std::function<void()> click);

    void render();
    // The live values are those of the last answered refresh.
    bool stale() const;

private:
    TGeneralFrame& logic_;
    Handle handle_;
    QGroupBox* connection_ = nullptr;
    QGridLayout* connectionGrid_ = nullptr;
    QGroupBox* clock_ = nullptr;
    QPushButton* bbConectar_ = nullptr;
    QPushButton* bbConectarUsb_ = nullptr;
    QPushButton* bbConectarIP_ = nullptr;
    QLabel* pnNumSerie_ = nullptr;
    QLabel* pnVersaoFirmware_ = nullptr;
    QLabel* pnRelogio_ = nullptr;
    QLabel* lblSemResposta_ = nullptr;
    QPushButton* bbAjustarRelogioComputador_ = nullptr;
    QPushButton* bbAjustarRelogioManual_ = nullptr;
    QPushButton* bbAlterarSenha_ = nullptr;
    QPushButton* bbAlterarIP_ = nullptr;
    QPushButton* bbSalvarConf_ = nullptr;
    QPushButton* bbCarregarConf_ = nullptr;
    QTimer* timer1_ = nullptr;
};
