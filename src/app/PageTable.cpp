#include "app/PageTable.h"

#include "app/MainWindow.h"
#include "device/DeviceModel.h"
#include "screens/calibration/CalibrationPage.h"
#include "screens/irrigation/IrrigationGeneralPage.h"
#include "device/DeviceType.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

// The calibration windows open from the calibration page's buttons.
template <void (CalibrationPage::*Click)()>
void openCalibrationWindow(MainWindow& mainWindow)
{
    if (auto* page = dynamic_cast<CalibrationPage*>(mainWindow.page(PageId::Calibration)))
        (page->*Click)();
}

// The manual operation window opens from the QLX700-IRR general page's button.
void openManualOperation(MainWindow& mainWindow)
{
    if (auto* page = dynamic_cast<IrrigationGeneralPage*>(mainWindow.page(PageId::IrrigationGeneral)))
        page->manualOperationClicked();
}

constexpr PageRow kPageRows[] = {
    {kQLX700T, "general", PageId::ThermalGeneral},
    {kQLX700T, "setpoints", PageId::SetPoints},
    {kQLX700T, "serial", PageId::SerialPorts},
    {kQLX700T, "output", PageId::CurrentOutputs},
    {kQLX700T, "events", PageId::Events},
    {kQLX700T, "calibration", PageId::Calibration},
    {kQLX700T, "calib-output", PageId::Calibration,
     openCalibrationWindow<&CalibrationPage::outputCalibrationClicked>},
    {kQLX700T, "calib-rtd", PageId::Calibration, openCalibrationWindow<&CalibrationPage::rtdTableClicked>},
    {kQLX700T, "calib-rtd-regression", PageId::Calibration,
     openCalibrationWindow<&CalibrationPage::rtdRegressionClicked>},
    {kQLX700T, "calib-input", PageId::Calibration,
     openCalibrationWindow<&CalibrationPage::inputRegressionClicked>},
    {kQLX700P, "general", PageId::ParallelismGeneral},
    {kQLX700P, "parallelism", PageId::Parallelism},
    {kQLX700P, "serial", PageId::SerialPorts},
    {kQLX700P, "output", PageId::CurrentOutputs},
    {kQLX700P, "calibration", PageId::Calibration},
    {kQLX700R, "general", PageId::RegulatorGeneral},
    {kQLX700R, "serial", PageId::SerialPorts},
    {kQLX700R, "output", PageId::CurrentOutputs},
    {kQLX700R, "device", PageId::RegulatorSettings},
    {kQLX700R, "sets", PageId::RegulatorSets},
    {kQLX700R, "calibration", PageId::Calibration},
    {kQLX700R, "calib-input", PageId::Calibration,
     openCalibrationWindow<&CalibrationPage::inputRegressionClicked>},
    {kQLX700IRR, "general", PageId::IrrigationGeneral},
    {kQLX700IRR, "device", PageId::IrrigationSettings},
    {kQLX700IRR, "records", PageId::IrrigationRecords},
    {kQLX700IRR, "manual", PageId::IrrigationGeneral, openManualOperation},
    {kQLX700IRR, "calibration", PageId::Calibration},
    {kQLX700C, "general", PageId::PositionGeneral},
    {kQLX700C, "device", PageId::PositionIndicator},
    {kQLX700C, "serial", PageId::SerialPorts},
    {kQLX700C, "output", PageId::CurrentOutputs},
    {kQLX700C, "calibration", PageId::Calibration},
};

// What the icons of the left column mean; a name outside these and the rows is unknown.
constexpr std::array<std::string_view, 10> kIconNames{"general",     "setpoints",   "serial", "output", "events",
                                                      "records",     "calibration", "parallelism", "device", "sets"};

bool knownName(std::string_view page)
{
    return std::find(kIconNames.begin(), kIconNames.end(), page) != kIconNames.end() ||
           std::any_of(std::begin(kPageRows), std::end(kPageRows), [page](const PageRow& r) { return r.name == page; });
}

std::string lower(std::string_view text)
{
    std::string s(text);
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

} // namespace

std::span<const PageRow> pageTable()
{
    return kPageRows;
}

std::string pageRowName(const PageRow& row)
{
    return std::string(modelShortName(row.deviceType)) + ":" + std::string(row.name);
}

std::string pageRowNames()
{
    std::string names;
    for (const PageRow& row : kPageRows) {
        if (!names.empty())
            names += ' ';
        names += pageRowName(row);
    }
    return names;
}

const PageRow* findPageRow(std::string_view text, std::string& error)
{
    const std::size_t colon = text.find(':');
    const std::optional<int> type = deviceTypeFromShortName(text.substr(0, colon));
    const std::string page = colon == std::string_view::npos ? "general" : lower(text.substr(colon + 1));
    if (!type || !knownName(page)) {
        error = "unknown page " + std::string(text) + " (pages: " + pageRowNames() + ")";
        return nullptr;
    }
    for (const PageRow& row : kPageRows) {
        if (row.deviceType == *type && row.name == page)
            return &row;
    }
    error = "page " + std::string(text) + " is not available (pages: " + pageRowNames() + ")";
    return nullptr;
}
