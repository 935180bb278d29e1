#pragma once

#include <array>
#include <string>

class DeviceLink;
class Ui;

// Puts the device into measurement simulation: the values typed here replace its
// measured inputs. The general pages create it; the calibration page shows it.
class ValueTestWindow {
public:
    static constexpr int kRowCount = 9;
    static constexpr int kModeRegister = 2150;

    explicit ValueTestWindow(Ui& ui);

    // Reads the mode and the values from the device and fills the rows.
    void activate(DeviceLink& comm, int language);
    // The row labels follow the model, so nothing changes before the first activation.
    void setLanguage(int language);

    void setTestActive(bool checked) { testActive_ = checked; }
    // `row` 1..9.
    void setValue(int row, const std::string& text) { values_.at(static_cast<std::size_t>(row - 1)) = text; }
    // sendButton, or sendSecondButton when `second`.
    void sendClicked(bool second);

    // --- state for the view
    struct Captions {
        std::string caption, testActive, sendButton, sendSecondButton, infoLabel1, infoLabel2, infoLabel3, infoLabel4;
    };
    const Captions& captions() const { return captions_; }
    bool testActive() const { return testActive_; }
    // Column 0 of the value grid; empty for rows the model does not use.
    const std::array<std::string, kRowCount>& labels() const { return labels_; }
    const std::array<std::string, kRowCount>& values() const { return values_; }

private:
    Ui& ui_;
    DeviceLink* comm_ = nullptr;
    int language_ = 0;
    bool testActive_ = false;
    Captions captions_;
    std::array<std::string, kRowCount> labels_{};
    std::array<std::string, kRowCount> values_{};
};
