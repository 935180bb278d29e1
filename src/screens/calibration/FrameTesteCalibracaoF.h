#pragma once

#include "app/TFrame.h"
#include "screens/calibration/FrameTesteCalibracaoState.h"
#include "screens/thermal/FormTesteValoresF.h"

#include <string>

class Ui;

// The workshop page, shown after the access word: test and calibration mode, a test
// current on the output, the 127-ohm reference and the serial number, the device's
// test parameters and last errors, and the calibration windows.
class TFrameTesteCalibracao final : public TFrame {
public:
    enum Focus { kNoFocus, kSaidaCorrente, kCalib127, kNumSerie };

    explicit TFrameTesteCalibracao(Ui& ui);

    void AtivarFrame(TEquipComm& comm, int language) override;
    void SetIdioma(int language) override;
    void AtualizarTela();
    // Validates the edits and sends the page's settings.
    void AplicarTeste();

    // --- handlers; a click in the mode or the box applies at once, an edit applies
    // when it is left or Enter is pressed in it
    void rgModoTesteCalibracaoClick(int item);
    void cbDesativaCalibClick(bool checked);
    void setSaidaCorrente(const std::string& text) { state_.edSaidaCorrente = text; }
    void setCalib127(const std::string& text) { state_.edCalib127 = text; }
    void setNumSerie(const std::string& text) { state_.edNumSerie = text; }
    void editExit();
    // The view reports the edit with the keyboard focus; a redraw keeps its text.
    void setFocus(Focus focus) { focus_ = focus; }
    void setDecimalSeparator(char separator) { decimalSeparator_ = separator; }

    // Opens the current output calibration with the device in test mode and its
    // calibration off, and switches both back after it closes.
    void bbCalibrarSaidaCorrenteClick();
    void bbCalibrarRTDsClick();
    void bbCalibrarRTDRegressaoClick();
    void bbCalibrarEntrCorrRegClick();
    void bbLerParTesteClick();
    void bbLerUltimosErrosClick();
    // Prepares the value simulation window, which the view shows without blocking;
    // false without a link.
    bool bbSimulaMedidasClick();
    TFormTesteValores& testeValores() { return testeValores_; }

    // --- state for the view
    const FrameTesteCalibracaoState& state() const { return state_; }
    const FrameTesteCalibracaoCaptions& captions() const { return captions_; }

private:
    bool connected() const;
    double fullScale() const;
    // Keeps the record of the device now on the link: its serial number and reference.
    void saveSerialRecord();
    // Test mode and disabled calibration on or off; false at the first failure.
    bool setTestMode(int on);

    Ui& ui_;
    TEquipComm* comm_ = nullptr;
    int language_ = 0;
    bool updating_ = false;
    bool busy_ = false;
    Focus focus_ = kNoFocus;
    char decimalSeparator_ = '.';
    FrameTesteCalibracaoState state_;
    FrameTesteCalibracaoCaptions captions_;
    TFormTesteValores testeValores_;
};
