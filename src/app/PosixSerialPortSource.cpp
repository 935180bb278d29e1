#include "app/PosixSerialPortSource.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <set>
#include <utility>

namespace fs = std::filesystem;

namespace {

constexpr std::array<const char*, 3> kPrefixes{"ttyUSB", "ttyACM", "ttyS"};

// ttyS2 before ttyS10.
bool naturalLess(const std::string& a, const std::string& b)
{
    const auto split = [](const std::string& s) {
        const auto digits = s.find_first_of("0123456789");
        const std::string stem = s.substr(0, digits);
        const long number = digits == std::string::npos ? -1 : std::stol(s.substr(digits));
        return std::make_pair(stem, number);
    };
    return split(a) < split(b);
}

bool endsWithDigits(const std::string& name, std::size_t prefixLength)
{
    return name.size() > prefixLength
        && std::all_of(name.begin() + static_cast<long>(prefixLength), name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

PosixSerialPortSource::PosixSerialPortSource(fs::path devRoot, fs::path ttyClassRoot)
    : devRoot_(std::move(devRoot))
    , ttyClassRoot_(std::move(ttyClassRoot))
{
}

bool PosixSerialPortSource::hasDriver(const std::string& name) const
{
    std::error_code ec;
    const fs::path entry = ttyClassRoot_ / name;
    if (!fs::exists(entry / "device" / "driver", ec))
        return false;
    if (name.rfind("ttyS", 0) != 0)
        return true;
    std::ifstream type(entry / "type");
    int uart = 0;
    return type && (type >> uart) && uart != 0;
}

std::vector<SerialPortEntry> PosixSerialPortSource::ports()
{
    std::vector<SerialPortEntry> result;
    std::set<fs::path> covered;
    std::error_code ec;

    std::vector<fs::path> byId;
    for (const auto& e : fs::directory_iterator(devRoot_ / "serial" / "by-id", ec))
        byId.push_back(e.path());
    std::sort(byId.begin(), byId.end());
    for (const fs::path& p : byId) {
        result.push_back({p.string(), p.filename().string()});
        const fs::path target = fs::weakly_canonical(p, ec);
        if (!ec)
            covered.insert(target);
    }

    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(devRoot_, ec)) {
        const std::string name = e.path().filename().string();
        for (const char* prefix : kPrefixes) {
            const std::string pre(prefix);
            if (name.rfind(pre, 0) == 0 && endsWithDigits(name, pre.size()))
                names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end(), naturalLess);
    for (const std::string& name : names) {
        const fs::path path = devRoot_ / name;
        if (covered.count(fs::weakly_canonical(path, ec)) != 0 || !hasDriver(name))
            continue;
        result.push_back({path.string(), path.string()});
    }
    return result;
}
