#include "app/PageTable.h"

#include "app/FormMainF.h"
#include "device/DeviceModel.h"
#include "screens/calibration/FrameTesteCalibracaoF.h"
#include "screens/irrigation/FrameConfGeral_QLX700IRRF.h"
#include "device/DeviceType.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

// The calibration windows open from the calibration page's buttons.
template <void (TFrameTesteCalibracao::*Click)()>
void openCalibrationWindow(TFormMain& main)
{
    if (auto* page = dynamic_cast<TFrameTesteCalibracao*>(main.frame(FrameId::TesteCalibracao)))
        (page->*Click)();
}

// The manual operation form opens from the QLX700-IRR general page's button.
void openIrrManual(TFormMain& main)
{
    if (auto* page = dynamic_cast<TFrameConfGeral_QLX700IRR*>(main.frame(FrameId::ConfGeralIRR)))
        page->bbManualClick();
}

constexpr PageRow kRows[] = {
    {kQLX700T, "general", FrameId::ConfGeral},
    {kQLX700T, "setpoints", FrameId::ConfSetPoints},
    {kQLX700T, "serial", FrameId::ConfSerial},
    {kQLX700T, "output", FrameId::ConfSaidaCorrente},
    {kQLX700T, "events", FrameId::Download},
    {kQLX700T, "calibration", FrameId::TesteCalibracao},
    {kQLX700T, "calib-output", FrameId::TesteCalibracao,
     openCalibrationWindow<&TFrameTesteCalibracao::bbCalibrarSaidaCorrenteClick>},
    {kQLX700T, "calib-rtd", FrameId::TesteCalibracao, openCalibrationWindow<&TFrameTesteCalibracao::bbCalibrarRTDsClick>},
    {kQLX700T, "calib-rtd-regression", FrameId::TesteCalibracao,
     openCalibrationWindow<&TFrameTesteCalibracao::bbCalibrarRTDRegressaoClick>},
    {kQLX700T, "calib-input", FrameId::TesteCalibracao,
     openCalibrationWindow<&TFrameTesteCalibracao::bbCalibrarEntrCorrRegClick>},
    {kQLX700P, "general", FrameId::ConfGeralP},
    {kQLX700P, "parallelism", FrameId::ConfParalelismo},
    {kQLX700P, "serial", FrameId::ConfSerial},
    {kQLX700P, "output", FrameId::ConfSaidaCorrente},
    {kQLX700P, "calibration", FrameId::TesteCalibracao},
    {kQLX700R, "general", FrameId::ConfGeralR},
    {kQLX700R, "serial", FrameId::ConfSerial},
    {kQLX700R, "output", FrameId::ConfSaidaCorrente},
    {kQLX700R, "device", FrameId::ConfQLX700R},
    {kQLX700R, "sets", FrameId::ConfConjuntoReg},
    {kQLX700R, "calibration", FrameId::TesteCalibracao},
    {kQLX700R, "calib-input", FrameId::TesteCalibracao,
     openCalibrationWindow<&TFrameTesteCalibracao::bbCalibrarEntrCorrRegClick>},
    {kQLX700IRR, "general", FrameId::ConfGeralIRR},
    {kQLX700IRR, "device", FrameId::ConfQLX700IRR},
    {kQLX700IRR, "records", FrameId::IrrRegistros},
    {kQLX700IRR, "manual", FrameId::ConfGeralIRR, openIrrManual},
    {kQLX700IRR, "calibration", FrameId::TesteCalibracao},
    {kQLX700C, "general", FrameId::ConfGeralC},
    {kQLX700C, "device", FrameId::ConfQLX700C},
    {kQLX700C, "serial", FrameId::ConfSerial},
    {kQLX700C, "output", FrameId::ConfSaidaCorrente},
    {kQLX700C, "calibration", FrameId::TesteCalibracao},
};

// What the icons of the left column mean; a name outside these and the rows is unknown.
constexpr std::array<std::string_view, 10> kIconNames{"general",     "setpoints",   "serial", "output", "events",
                                                      "records",     "calibration", "parallelism", "device", "sets"};

bool knownName(std::string_view page)
{
    return std::find(kIconNames.begin(), kIconNames.end(), page) != kIconNames.end() ||
           std::any_of(std::begin(kRows), std::end(kRows), [page](const PageRow& r) { return r.name == page; });
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
    return kRows;
}

std::string pageRowName(const PageRow& row)
{
    return std::string(modelShortName(row.deviceType)) + ":" + std::string(row.name);
}

std::string pageRowNames()
{
    std::string names;
    for (const PageRow& row : kRows) {
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
    for (const PageRow& row : kRows) {
        if (row.deviceType == *type && row.name == page)
            return &row;
    }
    error = "page " + std::string(text) + " is not available (pages: " + pageRowNames() + ")";
    return nullptr;
}
