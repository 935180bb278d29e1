#pragma once

#include "app/Dialog.h"
#include "screens/calibration/CalibrationRegisters.h"
#include "screens/calibration/GridCellEdit.h"

#include <string>
#include <vector>

class DeviceLink;
class Ui;

// The RTD gains and offsets as a table: typed in directly, with each input's live
// reading before and after its correction.
class RtdTableWindow final : public Dialog {
public:
    explicit RtdTableWindow(Ui& ui);

    void open(DeviceLink& comm, int language);
    void setLanguage(int language);
    void redraw();
    // The 1000 ms refresh of the raw readings.
    void tick();

    // A cell of the gain (1) or offset (2) column of row 1 or below.
    void selectCell(int row, int column);
    void setCellText(const std::string& text) { cellEdit_.setText(text); }
    // Leaving the box or Enter: true when the value was taken and the box closed.
    bool cellEditConfirmed();
    void cellEditCancelled() { cellEdit_.close(); }

    // --- state for the view
    struct Captions {
        std::string caption;
        std::vector<std::string> header;
    };
    const Captions& captions() const { return captions_; }
    // Rows 1..n: RTD, gain, offset, before, after.
    const std::vector<std::vector<std::string>>& rows() const { return rows_; }
    bool editing() const { return cellEdit_.editing(); }
    const GridCellEdit& cellEdit() const { return cellEdit_; }

private:
    // The RTD inputs of the device on the link.
    InputTable rtds() const;

    Ui& ui_;
    DeviceLink* comm_ = nullptr;
    int language_ = 0;
    std::vector<std::vector<std::string>> rows_;
    GridCellEdit cellEdit_{1, 2};
    Captions captions_;
};
