#pragma once

#include "app/TDialog.h"
#include "screens/calibration/CalibLineFit.h"

#include <array>
#include <string>
#include <vector>

class TEquipComm;
class Ui;
struct CalibCurve;

// Calibrates a current output: the window drives a desired test current, the
// technician types what the output really gives, and a line through these points
// (desired over obtained) becomes the output's gain and offset in the device, for
// either board range. The points are kept in the calibration record.
class TFormCalibCorrente final : public TDialog {
public:
    static constexpr int kOutputs = 4;
    static constexpr int kMinPoints = 2;
    static constexpr int kMaxPoints = 20;

    explicit TFormCalibCorrente(Ui& ui);

    void Show(TEquipComm& comm, int language);
    void SetIdioma(int language);

    // --- handlers
    void cbIndexSaidaChange(int output);
    // Item 0: the 0-32 mA range, item 1: the 0-1.5 mA range.
    void rgEscalaClick(int item);
    void setNumPontos(const std::string& text) { edNumPontos_ = text; }
    void edNumPontosExit();
    // A cell of row 1 or below: the edit box opens over it.
    void selectCell(int row, int column);
    void setEdVal(const std::string& text) { edVal_ = text; }
    // Leaving the edit box or Enter: true when the value was taken and the box closed.
    bool edValConfirm();
    void edValEscape() { editing_ = false; }
    bool bbSalvarCalibracaoClick();
    void bbAceitaClick();
    void bbCancelaClick() { close(mrCancel); }

    // --- state for the view
    struct Captions {
        std::string caption, lblNumPontos, lblIndexSaida, rgEscala, rgEscala0, rgEscala1, colDesejada, colObtida,
            bbSalvarCalibracao;
    };
    const Captions& captions() const { return captions_; }
    int output() const { return k_; }
    int rgEscala() const { return s_ - 1; }
    const std::string& edNumPontos() const { return edNumPontos_; }
    // Rows 1..N of the grid: desired and obtained cells.
    const std::vector<std::array<std::string, 2>>& rows() const { return rows_; }
    bool editing() const { return editing_; }
    int editRow() const { return editRow_; }
    int editColumn() const { return editColumn_; }
    const std::string& edVal() const { return edVal_; }
    const LineFitTexts& fitTexts() const { return fitTexts_; }
    const LineFit& fit() const { return fit_; }
    const std::string& pnCalibAtual() const { return pnCalibAtual_; }
    // The points that entered the fit (obtained, desired), for the plot.
    void points(std::vector<double>& obtained, std::vector<double>& desired) const;

private:
    double fullScale() const { return s_ == 2 ? 1.5 : 32.0; }
    int gainRegister() const;
    int offsetRegister() const;
    CalibCurve& curve();
    void loadOutput();
    void fitGrid();
    void storePoints();
    bool save();
    bool changed() const;
    // Stores the points and asks about an unsaved fit; false when the change of
    // output or range is to be given up.
    bool leaveOutput();
    void sendTestCurrent(double value);
    std::string cell(double value) const;

    Ui& ui_;
    TEquipComm* comm_ = nullptr;
    int language_ = 0;
    int k_ = 0;
    int s_ = 1;
    bool updating_ = false;
    std::string edNumPontos_ = "2";
    std::vector<std::array<std::string, 2>> rows_;
    bool editing_ = false;
    int editRow_ = 0;
    int editColumn_ = 0;
    std::string edVal_;
    LineFit fit_;
    LineFitTexts fitTexts_;
    std::string pnCalibAtual_;
    Captions captions_;
};
