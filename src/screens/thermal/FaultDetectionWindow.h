#pragma once

#include "app/Dialog.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

class AppSettings;
class FileChooser;
class DeviceLink;
class Ui;

// The membrane fault test of the QLX700-T membrane variant: its seven parameters,
// its state, result and the RTD 1 temperature every second, and a recording of the
// test's course into a text file.
class FaultDetectionWindow final : public Dialog {
public:
    static constexpr int kRowCount = 7;
    static constexpr int kStateNone = -1;

    FaultDetectionWindow(AppSettings& settings, Ui& ui, FileChooser& files);

    // Reads 1201..1211 and fills the parameter rows.
    void activate(DeviceLink& comm, int language);
    void setLanguage(int language);
    void tick();
    // `row` 1..7.
    void setValue(int row, const std::string& text) { values_.at(static_cast<std::size_t>(row - 1)) = text; }
    void sendClicked();
    // The toggle button: down starts a recording (after the file choice), up stops it.
    void recordingToggled(bool down);

    // --- state for the view
    struct Captions {
        std::string caption, sendButton, recordButton, infoLabel;
    };
    const Captions& captions() const { return captions_; }
    const std::array<std::string, kRowCount>& labels() const { return labels_; }
    const std::array<std::string, kRowCount>& values() const { return values_; }
    const std::string& stateText() const { return stateText_; }
    const std::string& resultText() const { return resultText_; }
    const std::string& measurementText() const { return measurementText_; }
    bool recording() const { return recording_; }
    const std::vector<std::string>& lines() const { return lines_; }

private:
    void fillRows();
    void record(int state);

    AppSettings& settings_;
    Ui& ui_;
    FileChooser& files_;
    DeviceLink* comm_ = nullptr;
    int language_ = 0;
    Captions captions_;
    std::array<std::string, kRowCount> labels_{};
    std::array<std::string, kRowCount> values_{};
    std::string stateText_;
    std::string resultText_;
    std::string measurementText_;
    bool recording_ = false;
    std::filesystem::path file_;
    std::vector<std::string> lines_;
    int previousState_ = kStateNone;
    // A tick that fires inside a wait of the previous one or of a send is skipped,
    // so no line is recorded from reads that could not run.
    bool busy_ = false;
};
