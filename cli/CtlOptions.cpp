#include "CtlOptions.h"

#include "device/DeviceModel.h"
#include "link/SerialPort.h"

#include <charconv>

std::optional<long> parseNumber(const std::string& text, long low, long high, bool hexAllowed)
{
    std::string_view digits = text;
    bool negative = false;
    if (!digits.empty() && digits.front() == '-') {
        negative = true;
        digits.remove_prefix(1);
    }
    int base = 10;
    if (hexAllowed && (digits.starts_with("0x") || digits.starts_with("0X"))) {
        base = 16;
        digits.remove_prefix(2);
    }
    if (digits.empty() || digits.front() == '-' || digits.front() == '+')
        return std::nullopt;
    long value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (ec != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    if (negative)
        value = -value;
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

bool parseFormat(const std::string& text, SerialLinkSettings& s)
{
    if (text == "8N1") { s.parity = 0; s.stopBits = 0; return true; }
    if (text == "8E1") { s.parity = 1; s.stopBits = 0; return true; }
    if (text == "8O1") { s.parity = 2; s.stopBits = 0; return true; }
    if (text == "8N2") { s.parity = 0; s.stopBits = 2; return true; }
    return false;
}

bool parseHostPort(const std::string& text, CtlOptions& o)
{
    const auto colon = text.rfind(':');
    o.host = text.substr(0, colon);
    if (colon == std::string::npos)
        return !o.host.empty();
    const auto port = parseNumber(text.substr(colon + 1), 1, 65535);
    if (!port || o.host.empty())
        return false;
    o.port = static_cast<std::uint16_t>(*port);
    return true;
}

std::optional<CtlOptions> parseCtlOptions(const std::vector<std::string>& args, std::string& error)
{
    CtlOptions o;
    // --help and --version are answered whatever else the line holds, as by the
    // window and the simulator: the first of them wins.
    for (const std::string& a : args) {
        o.help = a == "--help" || a == "-h";
        o.version = a == "--version";
        if (o.help || o.version)
            return o;
    }
    std::size_t i = 0;
    const auto value = [&](const std::string& flag) -> std::optional<std::string> {
        if (i + 1 >= args.size()) {
            error = flag + " needs a value";
            return std::nullopt;
        }
        return args[++i];
    };
    const auto setLink = [&](CtlOptions::Link link) {
        if (o.link != CtlOptions::Link::None) {
            error = "give one link: --serial, --udp or --tcp";
            return false;
        }
        o.link = link;
        return true;
    };
    for (; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!o.command.empty()) {
            if (a == "--reset" && o.command == "maxima") {
                o.reset = true;
                continue;
            }
            if (a == "--strict" && o.command == "load") {
                o.strict = true;
                continue;
            }
            if (a == "--give-up" && o.command == "monitor") {
                const auto v = value(a);
                const auto n = v ? parseNumber(*v, 1, 86400) : std::nullopt;
                if (!n) { if (error.empty()) error = "--give-up needs a number of seconds from 1"; return std::nullopt; }
                o.giveUp = static_cast<int>(*n);
                continue;
            }
            if (a == "--out" && o.command == "fleet") {
                const auto v = value(a);
                if (!v) return std::nullopt;
                o.outDir = *v;
                continue;
            }
            if (a == "--jobs" && o.command == "fleet") {
                const auto v = value(a);
                const auto n = v ? parseNumber(*v, 1, 1024) : std::nullopt;
                if (!n) { if (error.empty()) error = "--jobs needs a number from 1 to 1024"; return std::nullopt; }
                o.jobs = static_cast<int>(*n);
                continue;
            }
            if (a == "--count" && o.command == "monitor") {
                const auto v = value(a);
                const auto n = v ? parseNumber(*v, 1, 1000000) : std::nullopt;
                if (!n) { if (error.empty()) error = "--count needs a number from 1"; return std::nullopt; }
                o.count = static_cast<int>(*n);
                continue;
            }
            o.arguments.push_back(a);
            continue;
        }
        if (a == "--serial") {
            const auto v = value(a);
            if (!v || !setLink(CtlOptions::Link::Serial)) return std::nullopt;
            o.serialPath = *v;
        } else if (a == "--udp" || a == "--tcp") {
            const auto v = value(a);
            if (!v || !setLink(a == "--udp" ? CtlOptions::Link::Udp : CtlOptions::Link::Tcp)) return std::nullopt;
            if (!parseHostPort(*v, o)) { error = a + " needs HOST[:PORT]"; return std::nullopt; }
        } else if (a == "--local") {
            const auto v = value(a);
            if (!v) return std::nullopt;
            o.localAddress = *v;
        } else if (a == "--baud") {
            const auto v = value(a);
            const auto n = v ? parseNumber(*v, 1, 4000000) : std::nullopt;
            if (!n || !isSupportedBaudRate(static_cast<std::int32_t>(*n))) {
                if (error.empty())
                    error = "--baud needs a speed the serial port supports (1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200, ...)";
                return std::nullopt;
            }
            o.serial.baudRate = static_cast<std::int32_t>(*n);
        } else if (a == "--format") {
            const auto v = value(a);
            if (!v) return std::nullopt;
            if (!parseFormat(*v, o.serial)) { error = "--format is one of 8N1, 8E1, 8O1, 8N2"; return std::nullopt; }
        } else if (a == "--address") {
            const auto v = value(a);
            const auto n = v ? parseNumber(*v, 1, 247) : std::nullopt;
            if (!n) { if (error.empty()) error = "--address needs a number from 1 to 247"; return std::nullopt; }
            o.address = static_cast<int>(*n);
        } else if (a == "--model") {
            const auto v = value(a);
            if (!v) return std::nullopt;
            o.model = deviceTypeFromShortName(*v);
            if (!o.model) { error = "--model is one of T, P, R, IRR, C"; return std::nullopt; }
        } else if (a == "--retries") {
            const auto v = value(a);
            const auto n = v ? parseNumber(*v, 0, 10) : std::nullopt;
            if (!n) { if (error.empty()) error = "--retries needs a number from 0 to 10"; return std::nullopt; }
            o.retries = static_cast<int>(*n);
        } else if (a == "--password") {
            const auto v = value(a);
            if (!v) return std::nullopt;
            o.password = *v;
        } else if (!a.empty() && a[0] == '-') {
            error = "unknown option " + a;
            return std::nullopt;
        } else {
            o.command = a;
        }
    }
    return o;
}
