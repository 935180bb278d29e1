#include "SimOptions.h"

#include "FaultPlan.h"
#include "ScenarioPreset.h"
#include "SimDeviceFactory.h"

#include <stdexcept>

namespace qlxsim {

namespace {

long long number(const std::string& option, const std::string& text, long long lo, long long hi)
{
    if (text.empty() || text.size() > 19 || text.find_first_not_of("0123456789") != std::string::npos)
        throw std::invalid_argument(option + " expects a number, got '" + text + "'");
    const auto n = std::stoull(text);
    if (n < static_cast<unsigned long long>(lo) || n > static_cast<unsigned long long>(hi))
        throw std::invalid_argument(option + " must be " + std::to_string(lo) + ".." + std::to_string(hi));
    return static_cast<long long>(n);
}

// A wrong model, preset or fault is named before a missing transport: the program would
// refuse it anyway once a transport is given.
void checkDeviceValues(const SimConfig& config)
{
    const auto device = SimDeviceFactory::make(config);
    ScenarioPreset::apply(config.preset, config.model, *device);
    [[maybe_unused]] const FaultPlan faults(config.faults, config.seed);
}

} // namespace

SimOptions SimOptions::parse(const std::vector<std::string>& args)
{
    SimOptions o;
    // --help and --version are answered whatever else the line holds, as by the
    // window and the command-line tool: the first of them wins.
    for (const std::string& a : args) {
        o.help = a == "--help" || a == "-h";
        o.version = a == "--version";
        if (o.help || o.version)
            return o;
    }
    bool modelGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                throw std::invalid_argument(a + " needs a value");
            return args[++i];
        };
        if (a == "--model") {
            o.config.model = value();
            modelGiven = true;
        } else if (a == "--serial-link") {
            o.transports.serial = true;
            o.transports.serialLink = value();
        } else if (a == "--udp") {
            o.transports.udp = true;
            o.transports.udpEndpoint = value();
        } else if (a == "--tcp") {
            o.transports.tcp = true;
            o.transports.tcpEndpoint = value();
        } else if (a == "--address")
            o.config.address = static_cast<int>(number(a, value(), 1, 247));
        else if (a == "--password") {
            o.config.password = value();
            if (o.config.password.size() != 4)
                throw std::invalid_argument("--password expects four characters");
        } else if (a == "--faults")
            o.config.faults = value();
        else if (a == "--preset")
            o.config.preset = value();
        else if (a == "--wire-timing")
            o.config.wireTiming = true;
        else if (a == "--wire-bits")
            o.config.wireBitsPerByte = static_cast<int>(number(a, value(), 10, 12));
        else if (a == "--strict")
            o.config.strict = true;
        else if (a == "--fast-events")
            o.config.fastEvents = true;
        else if (a == "--count")
            o.count = static_cast<int>(number(a, value(), 1, 1000));
        else if (a == "--seed")
            o.config.seed = static_cast<std::uint64_t>(number(a, value(), 0, 0x7FFFFFFFFFFFFFFFLL));
        else
            throw std::invalid_argument("unknown option '" + a + "'");
    }
    if (!modelGiven)
        throw std::invalid_argument("--model is required");
    checkDeviceValues(o.config);
    if (!o.transports.serial && !o.transports.udp && !o.transports.tcp)
        throw std::invalid_argument("give at least one of --serial-link, --udp, --tcp");
    if (o.count > 1 && o.transports.serial)
        throw std::invalid_argument("--count goes with --udp and --tcp, not --serial-link");
    return o;
}

namespace {

std::string shiftedPort(const std::string& endpoint, int index)
{
    const auto colon = endpoint.rfind(':');
    if (colon == std::string::npos)
        return endpoint;
    const std::string port = endpoint.substr(colon + 1);
    if (port.empty() || port.find_first_not_of("0123456789") != std::string::npos || port.size() > 5)
        return endpoint;
    const long first = std::stol(port);
    if (first == 0)
        return endpoint;
    return endpoint.substr(0, colon + 1) + std::to_string(first + index);
}

} // namespace

SimTransports SimOptions::transportsOf(int index) const
{
    SimTransports t = transports;
    t.udpEndpoint = shiftedPort(t.udpEndpoint, index);
    t.tcpEndpoint = shiftedPort(t.tcpEndpoint, index);
    return t;
}

std::string SimOptions::usage()
{
    return R"(usage: qlx700-sim --model T|T-membrane|P|R|IRR|C [--serial-link PATH] [--udp ADDR:PORT]
                  [--tcp ADDR:PORT] [--address N] [--password ABCD] [--faults LIST]
                  [--preset NAMES] [--wire-timing [--wire-bits N]] [--strict] [--fast-events] [--seed N]
                  [--count N]
       qlx700-sim --help | --version

A simulated QLX700 device. It prints one line per transport ("listening serial PATH",
"listening udp ADDR:PORT", "listening tcp ADDR:PORT") and serves until SIGINT or SIGTERM.

  --model M           T, T-membrane (signature 15012), P, R, IRR or C
  --serial-link PATH  open a pseudo-terminal and link PATH to it (Modbus RTU); removed on exit
  --udp ADDR:PORT     Modbus RTU, one frame per datagram (port 0: any free port)
  --tcp ADDR:PORT     the asynchronous TCP framing, one client at a time (port 0: any free port)
  --address N         Modbus slave address, 1..247 (default 1)
  --password ABCD     device password in 1600..1603 (default QWKZ)
  --wire-timing       pace serial replies at the line's baud rate as the tool set it
                      (10 bit times per byte for 8N1, 11 with two stop bits) + 2 ms
  --wire-bits N       bits per byte for --wire-timing (10..12); a Linux pseudo-terminal
                      drops the parity setting, so give 11 for 8E1 or 8O1
  --strict            unknown registers give exception 2 instead of reading as 0
  --fast-events       T: one minute of the event interval (214) lasts one second
  --seed N            seed for noise and random faults (default 1)
  --count N           serve N devices (1..1000) on N consecutive ports from PORT (UDP and TCP
                      only), serial numbers counting up from the model's; one line per device
  --preset NAMES      comma-separated scenario presets (below)
  --faults LIST       comma-separated faults:
      drop[=P]            no reply, with probability P (default 1)
      badcrc[=P]          serial/UDP replies with a corrupted CRC, probability P (default 1)
      exception=CODE      serial/UDP requests get exception CODE; TCP writes get status CODE
      slow=TIME           every reply waits TIME first (300ms, 2s; a bare number is ms)
      silent-after=N      no replies after the first N requests
      silent-for=TIME     with silent-after: answer again after TIME of silence
      bad-bytecount       read replies claim two bytes (TCP: one pair) more than they carry
      short-reply         serial/UDP read replies carry one register fewer than asked
      duplicate           every reply is sent twice
      oversize-datagram   UDP replies padded to 400 bytes
      split               TCP replies sent in two segments 10 ms apart
      reset-after=N       TCP: the connection is reset instead of answering request N+1
      no-accept           TCP: connections never complete
      oversize-frame      TCP replies announce a length of 2100 bytes
      ignore-writes       writes are acknowledged but do not stick
      refuse=REG          writes to register REG are refused (a value out of range)
      unsolicited=TIME    TCP: register data with sequence 0xFFFF every TIME

Presets:
)" + ScenarioPreset::help();
}

} // namespace qlxsim
