#pragma once

#include "app/Page.h"
#include "screens/irrigation/IrrigationRecords.h"
#include "screens/irrigation/IrrigationRecordsPageCaptions.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

class AppSettings;
class EventPump;
class FileChooser;
class Ui;

// The QLX700-IRR's records: read one by one into the grid each time the page is
// shown, saved to a text file, erased in the device.
class IrrigationRecordsPage final : public Page {
public:
    IrrigationRecordsPage(Ui& ui, FileChooser& files, AppSettings& settings, EventPump& pump);

    void activate(DeviceLink& comm, int language) override;
    void setLanguage(int language) override;
    void readRecords();

    // --- handlers
    void saveToFileClicked();
    void eraseRecordsClicked();

    // --- state for the view
    // `recordGrid` rows 1..50; rows past the last record read are empty.
    const std::array<irrigationrecords::Record, irrigationrecords::kMaxRecords>& rows() const { return rows_; }
    // The file's first line, in the page's language.
    std::string fileHeader() const;
    // What the last reading received; the file holds exactly these.
    const std::vector<irrigationrecords::Record>& records() const { return records_; }
    const IrrigationRecordsPageCaptions& captions() const { return captions_; }
    bool busy() const { return busy_; }
    // Told when a reading starts with its rows emptied, so that the page shows no
    // records of an earlier reading while the device is read.
    void setRowsClearedHandler(std::function<void()> handler) { rowsCleared_ = std::move(handler); }

private:
    bool connected() const;
    void saveRecords(const std::string& path);

    Ui& ui_;
    FileChooser& files_;
    AppSettings& settings_;
    EventPump& pump_;
    DeviceLink* comm_ = nullptr;
    int language_ = 0;
    // Set while a handler talks to the device: a click that arrives during its waits
    // is refused instead of interleaving with it.
    bool busy_ = false;
    std::array<irrigationrecords::Record, irrigationrecords::kMaxRecords> rows_{};
    std::vector<irrigationrecords::Record> records_;
    IrrigationRecordsPageCaptions captions_;
    std::function<void()> rowsCleared_;
};
