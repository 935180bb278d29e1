#pragma once

#include "app/TFrame.h"
#include "screens/irrigation/Frame_QLX700IRR_RegistrosCaptions.h"
#include "screens/irrigation/IrrigationRecords.h"

#include <array>
#include <string>
#include <vector>

class AppSettings;
class EventPump;
class FileChooser;
class Ui;

// The QLX700-IRR's records: read one by one into the grid each time the page is
// shown, saved to a text file, erased in the device.
class TFrame_QLX700IRR_Registros final : public TFrame {
public:
    TFrame_QLX700IRR_Registros(Ui& ui, FileChooser& files, AppSettings& settings, EventPump& pump);

    void AtivarFrame(TEquipComm& comm, int language) override;
    void SetIdioma(int language) override;
    void LerRegistros();

    // --- handlers
    void bbArquivoClick();
    void bbApagarEventosClick();

    // --- state for the view
    // `sgRegistros` rows 1..50; rows past the last record read are empty.
    const std::array<irrrecords::Record, irrrecords::kMaxRecords>& rows() const { return rows_; }
    // The file's first line, in the page's language.
    std::string fileHeader() const;
    // What the last reading received; the file holds exactly these.
    const std::vector<irrrecords::Record>& records() const { return records_; }
    const Frame_QLX700IRR_RegistrosCaptions& captions() const { return captions_; }
    bool busy() const { return busy_; }

private:
    bool connected() const;
    void saveRecords(const std::string& path);

    Ui& ui_;
    FileChooser& files_;
    AppSettings& settings_;
    EventPump& pump_;
    TEquipComm* comm_ = nullptr;
    int language_ = 0;
    // Set while a handler talks to the device: a click that arrives during its waits
    // is refused instead of interleaving with it.
    bool busy_ = false;
    std::array<irrrecords::Record, irrrecords::kMaxRecords> rows_{};
    std::vector<irrrecords::Record> records_;
    Frame_QLX700IRR_RegistrosCaptions captions_;
};
