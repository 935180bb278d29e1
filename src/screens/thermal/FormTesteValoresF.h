#pragma once

#include <array>
#include <string>

class TEquipComm;
class Ui;

// Puts the device into measurement simulation: the values typed here replace its
// measured inputs. The general frames create it; the calibration page shows it.
class TFormTesteValores {
public:
    static constexpr int kRowCount = 9;
    static constexpr int kModeRegister = 2150;

    explicit TFormTesteValores(Ui& ui);

    // Reads the mode and the values from the device and fills the rows.
    void Ativar(TEquipComm& comm, int language);
    // The row labels follow the model, so nothing changes before the first activation.
    void SetIdioma(int language);

    void setCbAtiva(bool checked) { cbAtiva_ = checked; }
    // `row` 1..9.
    void setValor(int row, const std::string& text) { valores_.at(static_cast<std::size_t>(row - 1)) = text; }
    // bbEnvia, or bbEnvia2 when `second`.
    void bbEnviaClick(bool second);

    // --- state for the view
    struct Captions {
        std::string caption, cbAtiva, bbEnvia, bbEnvia2, lblInfo1, lblInfo2, lblInfo3, lblInfo4;
    };
    const Captions& captions() const { return captions_; }
    bool cbAtiva() const { return cbAtiva_; }
    // Column 0 of sgValores; empty for rows the model does not use.
    const std::array<std::string, kRowCount>& labels() const { return labels_; }
    const std::array<std::string, kRowCount>& valores() const { return valores_; }

private:
    Ui& ui_;
    TEquipComm* comm_ = nullptr;
    int language_ = 0;
    bool cbAtiva_ = false;
    Captions captions_;
    std::array<std::string, kRowCount> labels_{};
    std::array<std::string, kRowCount> valores_{};
};
