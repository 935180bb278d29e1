#pragma once

#include "app/Page.h"
#include "screens/thermal/CurrentOutputsPageCaptions.h"
#include "screens/thermal/CurrentOutputsPageState.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class Ui;

// The device's analogue current outputs: the output range, the full scale and the
// channel that drives each output. The QLX700-T has the whole page (up to four
// outputs); the QLX700-R up to three outputs driven by TP, TC or TAP and a current
// full scale; the other models only the range (on the QLX700-P, the range of this
// unit on the bus).
class CurrentOutputsPage final : public Page {
public:
    enum Focus { kNoFocus, kFullScaleEdit, kCurrentFullScaleEdit };

    // `currentOutputs`: how many current outputs the QLX700-R general page found.
    CurrentOutputsPage(Ui& ui, std::function<int()> currentOutputs);

    void activate(DeviceLink& comm, int language) override;
    void setLanguage(int language) override;
    void redraw();
    void sendSettings();

    // --- handlers; a click in the range and a choice in any channel list send at once
    void rangeChosen(int index);
    void outputChannelChosen(int output, int entry);
    void setFullScale(const std::string& text) { state_.fullScale = text; }
    void setCurrentFullScale(const std::string& text) { state_.currentFullScale = text; }
    // Leaving either full-scale edit, or Enter in it.
    void fullScaleLeft() { sendSettings(); }
    // The view reports the edit with the keyboard focus; a redraw keeps its text.
    void setFocus(Focus focus) { focus_ = focus; }
    void setDecimalSeparator(char separator) { decimalSeparator_ = separator; }

    // --- state for the view
    const CurrentOutputsPageState& state() const { return state_; }
    const CurrentOutputsPageCaptions& captions() const { return captions_; }

private:
    enum class Variant { Thermal, Regulator, RangeOnly };

    bool connected() const;
    Variant variant() const;
    // The range register: 301, or on the QLX700-P 301 + this unit's index on the bus;
    // none when that index is outside the bus (0..15).
    std::optional<int> rangeRegister() const;
    int listCount() const;
    void buildChannels();
    void readOutputs(DeviceLink& comm);

    Ui& ui_;
    std::function<int()> currentOutputs_;
    DeviceLink* comm_ = nullptr;
    int language_ = 0;
    bool busy_ = false;
    bool updating_ = false;
    Focus focus_ = kNoFocus;
    char decimalSeparator_ = '.';
    // The channel code of each entry of the lists.
    std::vector<int> codes_;
    CurrentOutputsPageState state_;
    CurrentOutputsPageCaptions captions_;
};
