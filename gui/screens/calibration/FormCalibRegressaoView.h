#pragma once

#include "gui/app/LogicDialog.h"

class CalibPlot;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTimer;
class TFormCalibRegressao;
class TFormCalibRTDRegressao;

// The regression windows (RTD inputs, current inputs): the channel, the measured and
// expected values, the point list beside its plot, the fit and the live reading.
// The RTD window adds the unit of the expected value.
class FormCalibRegressaoView final : public LogicDialog {
    Q_OBJECT
public:
    FormCalibRegressaoView(TFormCalibRegressao& logic, TFormCalibRTDRegressao* rtd, QWidget* parent);

    void render() override;

protected:
    void reject() override;

private:
    template <typename F>
    void handle(F&& f);

    TFormCalibRegressao& logic_;
    TFormCalibRTDRegressao* rtd_;
    QPushButton* bbAnterior_ = nullptr;
    QPushButton* bbProximo_ = nullptr;
    QLabel* pnCanal_ = nullptr;
    QLabel* lblMedido_ = nullptr;
    QLabel* lblEsperado_ = nullptr;
    QLineEdit* edMedido_ = nullptr;
    QLineEdit* edEsperado_ = nullptr;
    QComboBox* cbUnidade_ = nullptr;
    QPushButton* bbLerValor_ = nullptr;
    QLabel* pnMedidaAtual_ = nullptr;
    QPushButton* bbAdicionar_ = nullptr;
    QPushButton* bbRemover_ = nullptr;
    QTableWidget* sgValores_ = nullptr;
    CalibPlot* plot_ = nullptr;
    QLabel* pnCoefAng_ = nullptr;
    QLabel* pnCoefLin_ = nullptr;
    QLabel* pnCorrelacao_ = nullptr;
    QLabel* pnCalibAtual_ = nullptr;
    QPushButton* bbSalvarCalibracao_ = nullptr;
    QTimer* timerUpdate_ = nullptr;
};
