#pragma once

#include "app/TDialog.h"
#include "screens/calibration/CalibLineFit.h"

#include <array>
#include <string>
#include <vector>

class TEquipComm;
class Ui;
struct CalibCurve;

// What the two regression windows share (RTD inputs, current inputs): channel by
// channel, pairs of (value the device measured, value really applied) are collected,
// a line is fitted through them, and its slope and intercept are sent to the device
// as the channel's gain and offset. The points live in the calibration record.
class TFormCalibRegressao : public TDialog {
public:
    // Points added here; a record may hold one more.
    static constexpr int kAddLimit = 39;

    explicit TFormCalibRegressao(Ui& ui);

    void Show(TEquipComm& comm, int language);
    void SetIdioma(int language);

    // --- handlers
    void bbAnteriorClick() { step(-1); }
    void bbProximoClick() { step(+1); }
    void setMedido(const std::string& text) { edMedido_ = text; }
    void setEsperado(const std::string& text) { edEsperado_ = text; }
    void bbLerValorClick();
    void bbAdicionarClick();
    // `row`: the grid's current row, 0 for the header.
    void bbRemoverClick(int row);
    bool bbSalvarCalibracaoClick();
    // The 800 ms refresh of the live reading.
    void TimerUpdate();
    // The window's close box: true when it may close.
    bool closeQuery();

    // --- state for the view
    struct Captions {
        std::string caption, bbProximo, bbAnterior, lblMedido, lblEsperado, bbAdicionar, bbRemover, bbLerValor,
            bbSalvarCalibracao;
        std::vector<std::string> header;
    };
    const Captions& captions() const { return captions_; }
    int channel() const { return channel_; }
    bool stepsVisible() const { return channelCount() > 1; }
    const std::string& channelName() const { return channelName_; }
    const std::string& edMedido() const { return edMedido_; }
    const std::string& edEsperado() const { return edEsperado_; }
    // The grid's data rows, one text per column.
    const std::vector<std::vector<std::string>>& rows() const { return rows_; }
    const LineFit& fit() const { return fit_; }
    const LineFitTexts& fitTexts() const { return fitTexts_; }
    const std::string& pnCalibAtual() const { return pnCalibAtual_; }
    const std::string& pnMedidaAtual() const { return pnMedidaAtual_; }
    const std::vector<double>& xs() const { return x_; }
    const std::vector<double>& ys() const { return y_; }

protected:
    TEquipComm& comm() const { return *comm_; }
    bool hasComm() const { return comm_ != nullptr; }
    int language() const { return language_; }
    Ui& ui() const { return ui_; }
    // Sends a float pair, queued; shows the failure message itself.
    bool writePair(int first, double value);
    // Queues the reads of `count` registers of gains and of offsets; false when one failed.
    bool readGainsAndOffsets(int gainFirst, int offsetFirst, int count);

    virtual int channelCount() const = 0;
    virtual int gainRegister() const = 0;
    virtual int offsetRegister() const = 0;
    virtual CalibCurve& curve() = 0;
    // Reads the gains and offsets at opening; false when a read failed.
    virtual bool readCalibration() = 0;
    virtual void readLive() = 0;
    // The live reading as shown, and as copied into the measured edit; empty when
    // none was received.
    virtual std::string liveText() const = 0;
    virtual std::string liveMeasured() const = 0;
    // The expected value as stored from what was typed (the RTD window converts a
    // temperature).
    virtual double expectedValue(double typed) const { return typed; }
    virtual std::vector<std::string> rowTexts(int i) const;
    virtual std::string channelLabel() const = 0;
    virtual Captions captionsIn(int language) const = 0;
    // What the channel needs sent after its gain and offset.
    virtual bool writeExtra() { return true; }

private:
    void step(int direction);
    void loadPoints();
    void storePoints();
    void refresh();
    bool save();
    bool changed() const;

    Ui& ui_;
    TEquipComm* comm_ = nullptr;
    int language_ = 0;
    int channel_ = 0;
    std::vector<double> x_;
    std::vector<double> y_;
    LineFit fit_;
    LineFitTexts fitTexts_;
    std::string edMedido_ = "0.0";
    std::string edEsperado_ = "0.0";
    std::string channelName_;
    std::string pnCalibAtual_;
    std::string pnMedidaAtual_;
    std::vector<std::vector<std::string>> rows_;
    Captions captions_;
};
