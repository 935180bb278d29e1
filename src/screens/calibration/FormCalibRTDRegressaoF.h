#pragma once

#include "screens/calibration/FormCalibRegressao.h"

// RTD calibration by regression: the measured and applied resistances of each RTD
// input (the QLX700-R has one); the applied value may be typed as a temperature.
class TFormCalibRTDRegressao final : public TFormCalibRegressao {
public:
    explicit TFormCalibRTDRegressao(Ui& ui);

    // Item 0: ohms, item 1: degrees Celsius.
    void cbUnidadeSelect(int item) { unidade_ = item == 1 ? 1 : 0; }
    int cbUnidade() const { return unidade_; }

protected:
    int channelCount() const override;
    int gainRegister() const override;
    int offsetRegister() const override;
    CalibCurve& curve() override;
    bool readCalibration() override;
    void readLive() override;
    std::string liveText() const override;
    std::string liveMeasured() const override;
    double expectedValue(double typed) const override;
    std::vector<std::string> rowTexts(int i) const override;
    std::string channelLabel() const override;
    Captions captionsIn(int language) const override;

private:
    int unidade_ = 0;
};
