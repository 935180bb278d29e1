#include "FleetList.h"

#include "device/DeviceModel.h"
#include "link/SerialPort.h"

#include <map>
#include <set>

namespace {

constexpr const char* kHeader = "name,link,model,address,password_env";

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// CSV fields, trimmed; a field in double quotes may hold commas ("" is a quote).
std::vector<std::string> cells(const std::string& line)
{
    std::vector<std::string> out;
    std::string cell;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"')
                cell += line[++i];
            else if (c == '"')
                quoted = false;
            else
                cell += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            out.push_back(trimmed(cell));
            cell.clear();
        } else {
            cell += c;
        }
    }
    out.push_back(trimmed(cell));
    return out;
}

bool isFormat(const std::string& text)
{
    SerialLinkSettings ignored;
    return parseFormat(text, ignored);
}

// "serial:PATH@BAUD,FORMAT" written without quotes splits at its comma: join it again.
void joinSerialFormat(std::vector<std::string>& row)
{
    if (row.size() == 6 && row[1].starts_with("serial:") && row[1].find('@') != std::string::npos && isFormat(row[2])) {
        row[1] += "," + row[2];
        row.erase(row.begin() + 2);
    }
}

bool validName(const std::string& name)
{
    if (name.empty() || name == "." || name == "..")
        return false;
    for (const char c : name) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.'
            || c == '_' || c == '-';
        if (!ok)
            return false;
    }
    return true;
}

// serial:PATH[@BAUD[,FORMAT]]
std::string parseSerial(const std::string& where, CtlOptions& o)
{
    const auto at = where.rfind('@');
    o.link = CtlOptions::Link::Serial;
    o.serialPath = where.substr(0, at);
    if (o.serialPath.empty())
        return "serial: needs a port path";
    if (at == std::string::npos)
        return {};
    const std::string rest = where.substr(at + 1);
    const auto comma = rest.find(',');
    const auto baud = parseNumber(rest.substr(0, comma), 1, 4000000);
    if (!baud || !isSupportedBaudRate(static_cast<std::int32_t>(*baud)))
        return std::string("'").append(rest, 0, comma).append("' is not a speed the serial port supports");
    o.serial.baudRate = static_cast<std::int32_t>(*baud);
    if (comma != std::string::npos && !parseFormat(rest.substr(comma + 1), o.serial))
        return "the format is one of 8N1, 8E1, 8O1, 8N2, not '" + rest.substr(comma + 1) + "'";
    return {};
}

std::string parseLink(const std::string& link, CtlOptions& o)
{
    const auto colon = link.find(':');
    const std::string kind = link.substr(0, colon);
    const std::string where = colon == std::string::npos ? std::string() : link.substr(colon + 1);
    if (kind == "serial")
        return parseSerial(where, o);
    if (kind == "tcp" || kind == "udp") {
        o.link = kind == "tcp" ? CtlOptions::Link::Tcp : CtlOptions::Link::Udp;
        return parseHostPort(where, o) ? std::string() : kind + ": needs HOST[:PORT], not '" + where + "'";
    }
    return "the link is tcp:HOST[:PORT], udp:HOST[:PORT] or serial:PATH[@BAUD[,FORMAT]], not '" + link + "'";
}

// Why the row cannot be used, or empty.
std::string parseRow(std::vector<std::string> row, FleetDevice& d, const std::set<std::string>& names)
{
    joinSerialFormat(row);
    if (row.size() != 5)
        return "expected 5 fields (" + std::string(kHeader) + "), found " + std::to_string(row.size());
    d.name = row[0];
    if (!validName(d.name))
        return "the name '" + d.name + "' must be letters, digits, '.', '_' or '-'";
    if (names.count(d.name) != 0)
        return "the name '" + d.name + "' is used twice";
    if (const std::string why = parseLink(row[1], d.link); !why.empty())
        return why;
    if (!row[2].empty()) {
        d.link.model = deviceTypeFromShortName(row[2]);
        if (!d.link.model)
            return "the model is one of T, P, R, IRR, C, not '" + row[2] + "'";
    }
    if (!row[3].empty()) {
        const auto address = parseNumber(row[3], 1, 247);
        if (!address)
            return "the address is 1..247, not '" + row[3] + "'";
        d.link.address = static_cast<int>(*address);
    }
    if (!row[4].empty())
        d.passwordEnv = row[4];
    return {};
}

} // namespace

std::vector<FleetDevice> parseFleetList(std::istream& in, std::vector<std::string>& errors)
{
    std::vector<FleetDevice> devices;
    std::set<std::string> names;
    std::string line;
    bool headerSeen = false;
    for (int number = 1; std::getline(in, line); ++number) {
        const std::string text = trimmed(line);
        if (text.empty() || text.front() == '#')
            continue;
        if (!headerSeen) {
            headerSeen = true;
            if (cells(text) != cells(kHeader))
                errors.push_back("line " + std::to_string(number) + ": the header must be " + kHeader);
            continue;
        }
        FleetDevice d;
        d.line = number;
        if (const std::string why = parseRow(cells(text), d, names); !why.empty()) {
            errors.push_back("line " + std::to_string(number) + ": " + why);
            continue;
        }
        names.insert(d.name);
        devices.push_back(std::move(d));
    }
    if (!headerSeen)
        errors.push_back("the list is empty: it needs the header " + std::string(kHeader) + " and a device a line");
    else if (devices.empty() && errors.empty())
        errors.push_back("the list names no device");
    return devices;
}

std::vector<std::vector<std::size_t>> fleetGroups(const std::vector<FleetDevice>& devices)
{
    std::vector<std::vector<std::size_t>> groups;
    std::map<std::string, std::size_t> byPort;
    for (std::size_t i = 0; i < devices.size(); ++i) {
        const CtlOptions& link = devices[i].link;
        if (link.link != CtlOptions::Link::Serial) {
            groups.push_back({i});
            continue;
        }
        const auto [it, fresh] = byPort.try_emplace(link.serialPath, groups.size());
        if (fresh)
            groups.emplace_back();
        groups[it->second].push_back(i);
    }
    return groups;
}
