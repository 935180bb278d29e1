#include "FaultPlan.h"

#include <cstdlib>
#include <sstream>
#include <stdexcept>

namespace qlxsim {

namespace {

[[noreturn]] void bad(const std::string& item, const std::string& why)
{
    throw std::invalid_argument("fault '" + item + "': " + why);
}

double probability(const std::string& item, const std::string& value)
{
    if (value.empty())
        return 1.0;
    char* end = nullptr;
    const double p = std::strtod(value.c_str(), &end);
    if (end == value.c_str() || *end != '\0' || !(p >= 0.0 && p <= 1.0))
        bad(item, "expected a probability between 0 and 1");
    return p;
}

std::uint64_t count(const std::string& item, const std::string& value)
{
    if (value.empty() || value.find_first_not_of("0123456789") != std::string::npos || value.size() > 18)
        bad(item, "expected a whole number");
    return std::stoull(value);
}

FaultPlan::Duration duration(const std::string& item, const std::string& value)
{
    const auto end = value.find_first_not_of("0123456789");
    const std::size_t digits = end == std::string::npos ? value.size() : end;
    if (digits == 0 || digits > 9)
        bad(item, "expected a time such as 300ms or 2s");
    const long long n = std::stoll(value.substr(0, digits));
    const std::string unit = value.substr(digits);
    if (unit.empty() || unit == "ms")
        return FaultPlan::Duration(n);
    if (unit == "s")
        return FaultPlan::Duration(n * 1000);
    bad(item, "unknown time unit '" + unit + "'");
}

} // namespace

FaultPlan::FaultPlan(const std::string& list, std::uint64_t seed)
    : rng_(seed)
{
    std::stringstream in(list);
    std::string item;
    while (std::getline(in, item, ',')) {
        if (item.empty())
            continue;
        const auto eq = item.find('=');
        const std::string name = item.substr(0, eq);
        const std::string value = eq == std::string::npos ? "" : item.substr(eq + 1);
        auto flag = [&](bool& field) {
            if (!value.empty())
                bad(item, "takes no value");
            field = true;
        };
        if (name == "drop")
            drop = probability(item, value);
        else if (name == "badcrc")
            badCrc = probability(item, value);
        else if (name == "exception") {
            const auto code = count(item, value);
            if (code < 1 || code > 255)
                bad(item, "expected an exception code 1..255");
            exception = static_cast<int>(code);
        } else if (name == "slow")
            slow = duration(item, value);
        else if (name == "silent-after") {
            silentAfter = count(item, value);
            silentAfterSet = true;
        } else if (name == "silent-for")
            silentFor = duration(item, value);
        else if (name == "bad-bytecount")
            flag(badByteCount);
        else if (name == "short-reply")
            flag(shortReply);
        else if (name == "duplicate")
            flag(duplicate);
        else if (name == "oversize-datagram")
            flag(oversizeDatagram);
        else if (name == "split")
            flag(split);
        else if (name == "reset-after") {
            resetAfter = count(item, value);
            resetAfterSet = true;
        } else if (name == "no-accept")
            flag(noAccept);
        else if (name == "oversize-frame")
            flag(oversizeFrame);
        else if (name == "ignore-writes")
            flag(ignoreWrites);
        else if (name == "refuse") {
            const auto reg = count(item, value);
            if (reg > 0xFFFF)
                bad(item, "expected a register number 0..65535");
            refuse = static_cast<std::uint16_t>(reg);
        }
        else if (name == "unsolicited") {
            unsolicited = duration(item, value);
            if (unsolicited.count() <= 0)
                bad(item, "the period must be above zero");
        } else
            bad(item, "unknown fault");
    }
}

bool FaultPlan::chance(double p)
{
    if (p <= 0.0)
        return false;
    if (p >= 1.0)
        return true;
    return std::uniform_real_distribution<double>(0.0, 1.0)(rng_) < p;
}

FaultPlan::Decision FaultPlan::decide(std::uint64_t index, std::chrono::steady_clock::time_point now)
{
    Decision d;
    if (silentAfterSet && index > silentAfter) {
        if (!silenceStarted_) {
            silenceStarted_ = true;
            silenceStart_ = now;
        }
        d.silent = silentFor.count() == 0 || now - silenceStart_ < silentFor;
    }
    // Draw both every time so one fault's setting does not shift the other's sequence.
    const bool dropped = chance(drop);
    d.badCrc = chance(badCrc);
    d.silent = d.silent || dropped;
    return d;
}

} // namespace qlxsim
