#pragma once

#include "app/TDialog.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

class AppSettings;
class FileChooser;
class TEquipComm;
class Ui;

// The membrane fault test of the QLX700-T membrane variant: its seven parameters,
// its state, result and the RTD 1 temperature every second, and a recording of the
// test's course into a text file.
class TFormDetectFalhaParam final : public TDialog {
public:
    static constexpr int kRowCount = 7;
    static constexpr int kStateNone = -1;

    TFormDetectFalhaParam(AppSettings& settings, Ui& ui, FileChooser& files);

    // Reads 1201..1211 and fills the parameter rows.
    void Ativar(TEquipComm& comm, int language);
    void SetIdioma(int language);
    void timerUpdate();
    // `row` 1..7.
    void setValor(int row, const std::string& text) { valores_.at(static_cast<std::size_t>(row - 1)) = text; }
    void bbEnviaClick();
    // The toggle button: down starts a recording (after the file choice), up stops it.
    void sbSalvarClick(bool down);

    // --- state for the view
    struct Captions {
        std::string caption, bbEnvia, sbSalvar, lblInfo;
    };
    const Captions& captions() const { return captions_; }
    const std::array<std::string, kRowCount>& labels() const { return labels_; }
    const std::array<std::string, kRowCount>& valores() const { return valores_; }
    const std::string& pnEstado() const { return pnEstado_; }
    const std::string& pnResult() const { return pnResult_; }
    const std::string& pnMedida() const { return pnMedida_; }
    bool recording() const { return recording_; }
    const std::vector<std::string>& lines() const { return lines_; }

private:
    void fillRows();
    void record(int state);

    AppSettings& settings_;
    Ui& ui_;
    FileChooser& files_;
    TEquipComm* comm_ = nullptr;
    int language_ = 0;
    Captions captions_;
    std::array<std::string, kRowCount> labels_{};
    std::array<std::string, kRowCount> valores_{};
    std::string pnEstado_;
    std::string pnResult_;
    std::string pnMedida_;
    bool recording_ = false;
    std::filesystem::path file_;
    std::vector<std::string> lines_;
    int previousState_ = kStateNone;
    // A tick that fires inside a wait of the previous one or of a send is skipped,
    // so no line is recorded from reads that could not run.
    bool busy_ = false;
};
