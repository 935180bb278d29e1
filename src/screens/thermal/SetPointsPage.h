#pragma once

#include "app/Page.h"
#include "screens/thermal/SetPointsPageCaptions.h"
#include "screens/thermal/SetPointsPageState.h"

#include <string>

class Ui;

// The QLX700-T's eight set-point relays (temperature and current set points with
// their hysteresis, delay, channel, forcing, inverted logic and function) in a grid
// edited cell by cell, and beside it the daily cooling window, set-point alternation,
// the active and redundant RTDs and the winding temperature calculation. Every
// change is written at once; only values that differ from the device's go out.
class SetPointsPage final : public Page {
public:
    static constexpr int kNoFocus = -1;

    explicit SetPointsPage(Ui& ui);

    void activate(DeviceLink& comm, int language) override;
    void setLanguage(int language) override;
    void redraw();
    void sendSettings();

    // --- grid and its in-place editors (column and row 1-based, as the grid's)
    void setPointCellPressed(int column, int row);
    void setCellEditText(const std::string& text) { state_.cellEditText = text; }
    // Leaving the edit editor or Enter in it: an accepted value goes to the cell and
    // the device; a refused one keeps the editor open with its message.
    void cellEditLeft();
    void cellEditEscaped();
    void cellChoiceChosen(int index);

    // --- the controls beside the grid
    void setEdit(SetPointEdit edit, const std::string& text) { state_.edits.at(static_cast<std::size_t>(edit)) = text; }
    // The view reports which edit holds the keyboard focus; a redraw keeps its text.
    void setFocusedEdit(int edit) { focusedEdit_ = edit; }
    // Leaving any of the edits, or Enter in it.
    void editLeft() { sendSettings(); }
    void setPointAlternationChosen(int index);
    void activeRtdCountChosen(int index);
    // RTD 2..6 (box 0..4).
    void redundantRtdToggled(int box, bool checked);
    // Numbers are shown with the system's decimal separator.
    void setDecimalSeparator(char separator) { decimalSeparator_ = separator; }

    // --- state for the view
    const SetPointsPageState& state() const { return state_; }
    const SetPointsPageCaptions& captions() const { return captions_; }

private:
    bool connected() const;
    // The device's numbers of windings (1020) and RTD inputs (1003) and its active
    // RTDs (1002), as far as a page can use them.
    int windings() const;
    int rtdInputs() const;
    int activeRtds() const;
    std::string cellText(int column, int relay) const;
    std::string decimal(double value) const;
    void showEdit(SetPointEdit edit, int reg, int divisor);
    bool writeGrid();
    bool writeEdits();

    Ui& ui_;
    DeviceLink* comm_ = nullptr;
    int language_ = 0;
    bool updating_ = false;
    bool busy_ = false;
    int focusedEdit_ = kNoFocus;
    char decimalSeparator_ = '.';
    SetPointsPageState state_;
    SetPointsPageCaptions captions_;
};
