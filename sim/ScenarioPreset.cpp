#include "ScenarioPreset.h"

#include <sstream>
#include <stdexcept>

namespace qlxsim {

namespace {

using RecordVariant = SimDevice::RecordVariant;

std::vector<ScenarioPreset> makePresets()
{
    std::vector<ScenarioPreset> p;
    auto add = [&p](std::string name, std::string model, std::string description,
                    std::vector<std::pair<std::uint16_t, std::uint16_t>> regs, std::string faults = {}) -> ScenarioPreset& {
        p.push_back({std::move(name), std::move(model), std::move(description), std::move(regs), std::move(faults)});
        return p.back();
    };

    // Connection.
    add("signature-T", "", "answer with the QLX700-T signature 23847", {{2002, 23847}});
    add("signature-T-membrane", "", "answer with the membrane-variant signature 15012", {{2002, 15012}});
    add("signature-P", "", "answer with the QLX700-P signature 10146", {{2002, 10146}});
    add("signature-R", "", "answer with the QLX700-R signature 58202", {{2002, 58202}});
    add("signature-IRR", "", "answer with the QLX700-IRR signature 15226", {{2002, 15226}});
    add("signature-C", "", "answer with the QLX700-C signature 18447", {{2002, 18447}});
    add("signature-invalid", "", "a signature of no model (12345)", {{2002, 12345}});
    add("tool-too-old", "", "2001 asks for tool version 15.15.255", {{2001, 0xFFFF}});
    add("wrong-password", "", "the device password is ZZZZ", {{1600, 'Z'}, {1601, 'Z'}, {1602, 'Z'}, {1603, 'Z'}});
    add("signature-only", "", "answers only reads of 2002; every other request goes unanswered", {});
    add("serial-70000", "", "serial number 70000 (2501 = 0x1170, 2502 = 1)", {{2501, 0x1170}, {2502, 1}});
    add("low-range-board", "", "current-output board 1 is the 0-1.5 mA board (2660 = 2)", {{2660, 2}});
    add("rtd-gain-nan", "", "RTD 1 gain holds a NaN pattern (2540 = 0xFFFF, 2541 = 0x7FFF)", {{2540, 0xFFFF}, {2541, 0x7FFF}});

    // QLX700-T.
    add("t-events-25", "T", "25 recorded events", {}).events = 25;
    add("t-one-winding", "T", "one winding and two RTD inputs (1020 = 1, 1003 = 2)", {{1020, 1}, {1003, 2}});
    add("t-alternation-refusal", "T", "relays 5..8 differ in hysteresis, so 208 := 1..3 is refused",
        {{25, 2}, {26, 3}, {27, 4}, {28, 5}});
    add("t-channel-9", "T", "relay 1 on channel code 9 (61 = 9)", {{61, 9}});
    add("t-clock-2007", "T", "clock year register 406 = 7", {{406, 7}});
    add("t-temperature-limits", "T", "winding 1 at 1500 (0.0 degC) and winding 2 at 0", {{501, 1500}, {502, 0}});
    add("t-relay3-open", "T", "relay 3 energised with inverse logic (603 = 1, 103 = 1)", {{603, 1}, {103, 1}});
    add("t-relay3-closed", "T", "relay 3 released with inverse logic (603 = 0, 103 = 1)", {{603, 0}, {103, 1}});
    add("t-demo", "T", "relay 1 trips at 60 degC on winding 1, relay 2 at 66 degC on winding 2; 36 recorded events",
        {{1, 60}, {2, 66}, {61, 0}, {62, 1}})
        .events = 36;
    add("membrane-nan", "T-membrane", "membrane test result holds a NaN pattern", {{1210, 0xFFFF}, {1211, 0x7FFF}});

    // QLX700-P.
    add("p-unit-3", "P", "unit index 1951 = 3", {{1951, 3}});
    add("p-unit-20", "P", "unit index 1951 = 20 (invalid)", {{1951, 20}});
    add("p-error-1961", "P", "error bits 1961 = 12", {{1961, 12}});
    add("p-error-1964", "P", "error bits 1964 = 2", {{1964, 2}});
    add("p-commanded-manual", "P", "unit 0 commanded (541 = 1), manual mode (603 = 1)", {{541, 1}, {603, 1}});
    add("p-individual-manual", "P", "unit 0 individual (541 = 2), manual mode (603 = 1)", {{541, 2}, {603, 1}});

    // QLX700-R.
    add("r-mode3-pos5", "R", "indication mode 3, neutral 9, position 5", {{703, 3}, {704, 9}, {1015, 5}});
    add("r-mode3-pos9", "R", "indication mode 3, neutral 9, position 9", {{703, 3}, {704, 9}, {1015, 9}});
    add("r-mode4-pos12", "R", "indication mode 4, neutral 9, position 12", {{703, 4}, {704, 9}, {1015, 12}});
    add("r-blank-position", "R", "2670 = 3 blanks the position", {{2670, 3}});
    add("r-deviation-985", "R", "voltage deviation 1013 = 985 (-1.5 %)", {{1013, 985}});
    add("r-two-outputs", "R", "current-output gains (1, 1, 0): two outputs", {{2514, 0}, {2515, 0}});
    add("r-no-outputs", "R", "current-output gain 1 is 0: no outputs", {{2510, 0}, {2511, 0}});

    // QLX700-C.
    add("c-no-position", "C", "reading mode 707 = 2 (no indicated position)", {{707, 2}});
    add("c-failure-5", "C", "failure bits 1965 = 5", {{1965, 5}});
    add("c-resistance-1275", "C", "measured resistance 1016 = 1275", {{1016, 1275}});
    add("c-style1-pos5", "C", "style 1, neutral 9, position 5", {{703, 1}, {704, 9}, {1015, 5}});
    add("c-style2-pos5", "C", "style 2, neutral 9, position 5", {{703, 2}, {704, 9}, {1015, 5}});

    // QLX700-IRR.
    add("irr-records-3", "IRR", "3 records", {}).records = 3;
    add("irr-records-0", "IRR", "no records", {}).records = 0;
    add("irr-records-55", "IRR", "55 records", {}).records = 55;
    {
        auto& r = add("irr-record-zero-temperature", "IRR", "one record whose temperature field is all zeros", {});
        r.records = 1;
        r.recordVariant = RecordVariant::ZeroTemperature;
    }
    {
        auto& r = add("irr-record-full-field", "IRR", "one record with an 18-character field and no zero", {});
        r.records = 1;
        r.recordVariant = RecordVariant::FullField;
    }
    add("irr-alarm-5", "IRR", "alarm bits 1001 = 5", {{1001, 5}});
    add("irr-no-sensor", "IRR", "temperature 1011 = 0xFFFF (no sensor)", {{1011, 0xFFFF}});
    add("irr-temperature-1750", "IRR", "temperature 1011 = 1750 (25.0 degC)", {{1011, 1750}});
    add("irr-pressostat-inverted", "IRR", "214 = 1 with the pressure switch input (1008 bit 8) clear", {{214, 1}, {1008, 0x0080}});
    add("irr-signal-65", "IRR", "Wi-Fi signal -65 dBm", {{1780, static_cast<std::uint16_t>(-65)}});
    add("irr-signal-60", "IRR", "Wi-Fi signal -60 dBm", {{1780, static_cast<std::uint16_t>(-60)}});
    add("irr-signal-71", "IRR", "Wi-Fi signal -71 dBm", {{1780, static_cast<std::uint16_t>(-71)}});
    add("irr-wifi-disconnected", "IRR", "no Wi-Fi address (1770 = 1771 = 0)", {{1770, 0}, {1771, 0}});
    add("irr-stall", "IRR", "stops answering for about four refreshes after 20 requests", {},
        "silent-after=20,silent-for=4s");

    // Transport faults.
    add("slow-reply", "", "every reply 600 ms late", {}, "slow=600ms");
    add("no-reply", "", "no replies at all", {}, "drop");
    add("bad-crc", "", "serial/UDP replies with a bad CRC", {}, "badcrc");
    add("exception-reply", "", "every serial/UDP request gets exception 2 (TCP writes status 2)", {}, "exception=2");
    add("bad-bytecount", "", "read replies with an inconsistent byte count", {}, "bad-bytecount");
    add("oversize-datagram", "", "UDP replies of 400 bytes", {}, "oversize-datagram");
    add("split-tcp", "", "TCP replies split across two segments", {}, "split");
    add("tcp-reset", "", "the TCP connection is reset on the fourth request", {}, "reset-after=3");
    add("tcp-no-accept", "", "TCP connections never complete", {}, "no-accept");
    add("unsolicited", "", "TCP register data pushed every 200 ms", {}, "unsolicited=200ms");
    return p;
}

bool modelMatches(const std::string& presetModel, const std::string& model)
{
    if (presetModel.empty() || presetModel == model)
        return true;
    return presetModel == "T" && model == "T-membrane";
}

} // namespace

const std::vector<ScenarioPreset>& ScenarioPreset::all()
{
    static const std::vector<ScenarioPreset> presets = makePresets();
    return presets;
}

std::string ScenarioPreset::apply(const std::string& names, const std::string& model, SimDevice& device)
{
    std::string faults;
    std::stringstream in(names);
    std::string name;
    while (std::getline(in, name, ',')) {
        if (name.empty())
            continue;
        const ScenarioPreset* found = nullptr;
        for (const auto& p : all())
            if (p.name == name)
                found = &p;
        if (!found)
            throw std::invalid_argument("unknown preset '" + name + "'");
        if (!modelMatches(found->model, model))
            throw std::invalid_argument("preset '" + name + "' is for model " + found->model);
        for (const auto& [reg, value] : found->registers)
            device.pinReg(reg, value);
        if (found->events >= 0)
            device.setEventCount(found->events);
        if (found->records >= 0)
            device.setRecords(found->records, found->recordVariant);
        if (name == "signature-only")
            device.setAnswerOnly(2002);
        if (!found->faults.empty())
            faults += (faults.empty() ? "" : ",") + found->faults;
    }
    return faults;
}

std::string ScenarioPreset::help()
{
    std::string text;
    for (const auto& p : all()) {
        std::string head = "  " + p.name + (p.model.empty() ? "" : " [" + p.model + "]");
        if (head.size() < 32)
            head.resize(32, ' ');
        else
            head += "\n" + std::string(32, ' ');
        text += head + p.description + "\n";
    }
    return text;
}

} // namespace qlxsim
