#include "CtlCalibration.h"

#include "CtlExitStatus.h"
#include "CtlSession.h"
#include "LinkFailureReason.h"
#include "device/DeviceModel.h"
#include "device/DeviceType.h"
#include "settings/CalibrationStore.h"
#include "settings/FloatWords.h"
#include "settings/PlatformDataFolder.h"
#include "settings/RealText.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// The calibration registers, each block read whole.
struct Block {
    int first;
    int count;
};

// One gain/offset pair of the device and the record's curve that belongs to it.
struct Item {
    std::string name;
    int gain;   // first register of the gain pair
    int offset; // first register of the offset pair
    const CalibrationCurve* curve;
    const char* columns; // what the record's X and Y values are
};

// The R has one RTD channel and two inputs, the second a voltage kept in slot 2; the
// other models six channels and three current inputs.
int rtdChannels(int deviceType)
{
    return deviceType == kQLX700R ? 1 : 6;
}

std::vector<Item> itemsOf(int deviceType, const CalibrationRecord& record)
{
    std::vector<Item> items;
    const bool r = deviceType == kQLX700R;
    for (int c = 0; c < rtdChannels(deviceType); ++c)
        items.push_back({"RTD " + std::to_string(c + 1), 2540 + 2 * c, 2560 + 2 * c,
                         &record.RtdInputs[static_cast<std::size_t>(c)], "measured ohm, expected ohm"});
    for (int i = 0; i < (r ? 2 : 3); ++i) {
        const bool voltage = r && i == 1;
        const int slot = voltage ? 2 : i;
        items.push_back({(voltage ? "voltage input " : "current input ") + std::to_string(i + 1), 2600 + 2 * slot,
                         2610 + 2 * slot, &record.CurrentInputs[static_cast<std::size_t>(i)],
                         voltage ? "measured V, applied V" : "measured A, applied A"});
    }
    for (int k = 0; k < 4; ++k) {
        const auto at = static_cast<std::size_t>(k);
        const std::string output = "output " + std::to_string(k + 1);
        items.push_back({output + " 0-32mA", 2510 + 2 * k, 2520 + 2 * k, &record.CurrentOutputs[at],
                         "obtained mA, desired mA"});
        items.push_back({output + " 0-1.5mA", 2620 + 2 * k, 2630 + 2 * k, &record.CurrentOutputs1_5mA[at],
                         "obtained mA, desired mA"});
    }
    return items;
}

// "label   value", the values in one column.
void line(std::ostream& out, const std::string& label, const std::string& value)
{
    std::string padded = label;
    padded.resize(std::max<std::size_t>(label.size(), 32), ' ');
    out << padded << ' ' << value << '\n';
}

// The pair exactly as the device holds it: a NaN or an infinity shows as such.
std::string pair(const DeviceLink& deviceLink, int first)
{
    return formatSingle(WordsToFloat(static_cast<std::uint16_t>(deviceLink.registerValue(first)),
                                     static_cast<std::uint16_t>(deviceLink.registerValue(first + 1))));
}

std::string twoColumns(float x, float y)
{
    char text[80];
    std::snprintf(text, sizeof text, "%-14s %s", formatSingle(x).c_str(), formatSingle(y).c_str());
    return text;
}

// The record's points of every item that has some; the record file is only read.
CtlResult printRecord(const std::vector<Item>& items, CalibrationRecord& record, int serial, std::ostream& out)
{
    const std::filesystem::path folder = platformDataFolder();
    const std::filesystem::path file = folder / CalibrationStore::fileName(serial);
    std::error_code ignored;
    if (!std::filesystem::exists(file, ignored)) {
        line(out, "record", "none (no " + file.filename().string() + " in " + folder.string() + ")");
        return {kExitSuccess, {}};
    }
    CalibrationStore store;
    std::string error;
    if (!store.load(record, serial, folder, error))
        return {kExitFailure, "cannot read the calibration record " + file.string() + ": " + error};
    line(out, "record", file.string());
    bool any = false;
    for (const Item& item : items) {
        const CalibrationCurve& c = *item.curve;
        if (c.PointCount == 0)
            continue;
        any = true;
        line(out, item.name + " points", std::to_string(c.PointCount) + " (" + item.columns + ")");
        for (int n = 0; n < c.PointCount; ++n) {
            const auto i = static_cast<std::size_t>(n);
            line(out, item.name + " point " + std::to_string(n + 1), twoColumns(c.X[i], c.Y[i]));
        }
        line(out, item.name + " record gain", formatSingle(c.Gain));
        line(out, item.name + " record offset", formatSingle(c.Offset));
    }
    if (!any)
        line(out, "record points", "none");
    return {kExitSuccess, {}};
}

} // namespace

CtlResult runCalibration(CtlSession& session, std::ostream& out)
{
    DeviceLink& deviceLink = session.deviceLink();
    const int type = deviceLink.deviceType();
    const int rtds = rtdChannels(type);
    const Block blocks[] = {{2501, 2}, {2530, 1},  {2540, 2 * rtds}, {2560, 2 * rtds}, {2600, 6},
                            {2610, 6}, {2510, 8},  {2520, 8},        {2620, 8},        {2630, 8}};
    for (const Block& b : blocks) {
        if (!deviceLink.readRegisters(b.first, b.count))
            return {kExitFailure, "reading register " + std::to_string(b.first) + " failed: " +
                                      linkFailureReason(deviceLink)};
    }

    CalibrationRecord record;
    const std::vector<Item> items = itemsOf(type, record);
    const int serial = deviceLink.image().SerialNumber();
    line(out, "model", std::string(modelName(type)));
    line(out, "serial number", std::to_string(serial));
    char ohms[32];
    std::snprintf(ohms, sizeof ohms, "%.2f ohm", deviceLink.registerValue(2530) / 100.0);
    line(out, "127-ohm reference", ohms);
    for (const Item& item : items) {
        line(out, item.name + " gain", pair(deviceLink, item.gain));
        line(out, item.name + " offset", pair(deviceLink, item.offset));
    }
    return printRecord(items, record, serial, out);
}
