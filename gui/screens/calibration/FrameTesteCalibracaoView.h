#pragma once

#include "gui/app/PageView.h"

#include <QPointer>

class ApplyEdit;
class FormTesteValoresView;
class QCheckBox;
class QLabel;
class QPushButton;
class RadioGroupBox;
class TFrameTesteCalibracao;

// The calibration and test page: the mode, the test current, the reference resistor
// and the serial number on the left, the windows and lists it opens on the right.
class FrameTesteCalibracaoView final : public PageView {
    Q_OBJECT
public:
    explicit FrameTesteCalibracaoView(TFrameTesteCalibracao& logic, QWidget* parent = nullptr);
    ~FrameTesteCalibracaoView() override;

    void render() override;

private:
    ApplyEdit* edit(const char* name, int focus);
    QPushButton* button(const char* name);
    template <typename F>
    void handle(F&& f);

    TFrameTesteCalibracao& logic_;
    RadioGroupBox* rgModoTesteCalibracao_ = nullptr;
    QCheckBox* cbDesativaCalib_ = nullptr;
    QLabel* lblSaidaCorrente_ = nullptr;
    QLabel* lblCalibR127_ = nullptr;
    QLabel* lblNumSerie_ = nullptr;
    ApplyEdit* edSaidaCorrente_ = nullptr;
    ApplyEdit* edCalib127_ = nullptr;
    ApplyEdit* edNumSerie_ = nullptr;
    QLabel* pnTamanhoParametros_ = nullptr;
    QPushButton* bbCalibrarSaidaCorrente_ = nullptr;
    QPushButton* bbCalibrarRTDs_ = nullptr;
    QPushButton* bbCalibrarRTDRegressao_ = nullptr;
    QPushButton* bbCalibrarEntrCorrReg_ = nullptr;
    QPushButton* bbLerParTeste_ = nullptr;
    QPushButton* bbLerUltimosErros_ = nullptr;
    QPushButton* bbSimulaMedidas_ = nullptr;
    QPointer<FormTesteValoresView> testeValores_;
};
