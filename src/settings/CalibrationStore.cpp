#include "settings/CalibrationStore.h"

#include "settings/DecimalParse.h"
#include "settings/RealText.h"
#include "settings/RegisterRounding.h"
#include "settings/SettingsFolder.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr const char* kMain = "CalibSection";

// The keys of one curve; the 0-32 mA and 0-1.5 mA current output curves share a section.
struct CurveKeys {
    const char* gain;
    const char* offset;
    const char* pointCount;
    const char* x;
    const char* y;
};
constexpr CurveKeys kOutputKeys{"SaidaCorrenteGanho", "SaidaCorrenteOffset", "SaidaCorrenteNumPontos", "SaidaCorrenteX",
                                "SaidaCorrenteY"};
constexpr CurveKeys kOutput1_5mAKeys{"SaidaCorrenteGanho0_1", "SaidaCorrenteOffset0_1", "SaidaCorrente0_1NumPontos",
                                     "SaidaCorrente0_1X", "SaidaCorrente0_1Y"};
constexpr CurveKeys kPlainKeys{"Ganho", "Offset", "NumPontos", "X", "Y"};

// Reals are written with "." and read with "." or ",", so a file moved between
// machines with different regional settings keeps its values.
float readReal(const IniFile& ini, const std::string& section, const std::string& key, float fallback)
{
    const auto text = ini.value(section, key);
    float v = 0;
    return text && TryParseSingle(*text, v) ? v : fallback;
}

void readCurve(const IniFile& ini, const std::string& section, const CurveKeys& k, CalibrationCurve& c)
{
    c.Gain = readReal(ini, section, k.gain, 1.0f);
    c.Offset = readReal(ini, section, k.offset, 0.0f);
    // The screens index the 40 pairs by this count: keep it inside them.
    c.PointCount = std::clamp(ini.readInt(section, k.pointCount, 0), 0, CalibrationCurve::kMaxPoints);
    for (int n = 1; n <= CalibrationCurve::kMaxPoints; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        c.X[i] = readReal(ini, section, k.x + std::to_string(n), 0.0f);
        c.Y[i] = readReal(ini, section, k.y + std::to_string(n), 0.0f);
    }
}

void writeCurve(IniFile& ini, const std::string& section, const CurveKeys& k, const CalibrationCurve& c)
{
    ini.writeString(section, k.gain, formatSingle(c.Gain));
    ini.writeString(section, k.offset, formatSingle(c.Offset));
    ini.writeInteger(section, k.pointCount, c.PointCount);
    for (int n = 1; n <= CalibrationCurve::kMaxPoints; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        ini.writeString(section, k.x + std::to_string(n), formatSingle(c.X[i]));
        ini.writeString(section, k.y + std::to_string(n), formatSingle(c.Y[i]));
    }
}

std::string numbered(const char* name, std::size_t index)
{
    return name + std::to_string(index + 1);
}

// Calls fn(section, keys, curve) for every curve of the record, in file order.
template <typename Record, typename Fn>
void forEachCurve(Record& r, Fn fn)
{
    for (std::size_t k = 0; k < r.CurrentOutputs.size(); ++k) {
        fn(numbered("CalibCorr", k), kOutputKeys, r.CurrentOutputs[k]);
        fn(numbered("CalibCorr", k), kOutput1_5mAKeys, r.CurrentOutputs1_5mA[k]);
    }
    for (std::size_t k = 0; k < r.RtdInputs.size(); ++k)
        fn(numbered("CalibRTD", k), kPlainKeys, r.RtdInputs[k]);
    for (std::size_t k = 0; k < r.CurrentInputs.size(); ++k)
        fn(numbered("CalibEntrCorr", k), kPlainKeys, r.CurrentInputs[k]);
}

} // namespace

std::string CalibrationStore::fileName(int serialNumber)
{
    return "calib" + std::to_string(serialNumber) + ".ini";
}

bool CalibrationStore::switchTo(int serialNumber, const std::filesystem::path& folder, std::string& error)
{
    serial_ = serialNumber;
    ini_.clear();
    ini_.setPath(folder / fileName(serialNumber));
    return ini_.load(error);
}

bool CalibrationStore::load(CalibrationRecord& r, int serialNumber, const std::filesystem::path& folder,
                            std::string& error)
{
    bool ok = true;
    if (serial_ != serialNumber)
        ok = switchTo(serialNumber, folder, error);
    const int storedSerial = ini_.readInt(kMain, "NumSerie", 1);
    r.SerialNumber = storedSerial >= 0 ? storedSerial : 1;
    // Written as a real; a fraction is rounded rather than thrown away.
    const auto res = ini_.value(kMain, "Res127");
    double resValue = 0;
    r.Res127 = res && TryParseDouble(*res, resValue) ? static_cast<float>(roundHalfEven(resValue)) : 12700.0f;
    forEachCurve(r, [this](const std::string& section, const CurveKeys& keys, CalibrationCurve& c) {
        readCurve(ini_, section, keys, c);
    });
    return ok;
}

bool CalibrationStore::save(const CalibrationRecord& r, int serialNumber, const std::filesystem::path& folder,
                            std::string& error)
{
    // The number saved to becomes the remembered one, so a later load or save of the
    // same number finds this file in memory and never another device's.
    if (serial_ != serialNumber && !switchTo(serialNumber, folder, error))
        return false;
    ini_.writeInteger(kMain, "NumSerie", r.SerialNumber);
    ini_.writeString(kMain, "Res127", formatSingle(r.Res127));
    forEachCurve(r, [this](const std::string& section, const CurveKeys& keys, const CalibrationCurve& c) {
        writeCurve(ini_, section, keys, c);
    });
    return ini_.save(error);
}

namespace {

CalibrationStore& processCalibrationStore()
{
    static CalibrationStore store;
    return store;
}

} // namespace

CalibrationRecord& Calibration()
{
    static CalibrationRecord record;
    return record;
}

bool LoadCalibration(int serialNumber, std::string* error)
{
    std::string reason;
    const bool ok = processCalibrationStore().load(Calibration(), serialNumber, GetSettingsFolder(), reason);
    if (error != nullptr)
        *error = reason;
    return ok;
}

bool SaveCalibration(int serialNumber, std::string* error)
{
    std::string reason;
    const bool ok = processCalibrationStore().save(Calibration(), serialNumber, GetSettingsFolder(), reason);
    if (error != nullptr)
        *error = reason;
    return ok;
}
