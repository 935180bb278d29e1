#include "screens/thermal/EventRecord.h"

#include <algorithm>
#include <cstdio>

namespace eventrecord {

namespace {

constexpr std::uint64_t kMsPerDay = 86'400'000;

// Proleptic Gregorian date of a count of days since 1970-01-01.
void civilFromDays(std::int64_t days, int& year, int& month, int& day)
{
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const auto doe = static_cast<unsigned>(days - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2 ? 1 : 0));
}

void appendTemperature(std::string& line, const char* label, std::uint16_t word)
{
    char text[32];
    std::snprintf(text, sizeof text, "%s%.1f", label, (static_cast<int>(word) - 1500) / 10.0);
    line += text;
}

} // namespace

std::uint64_t timestamp48(std::uint16_t w0, std::uint16_t w1, std::uint16_t w2)
{
    return w0 + (static_cast<std::uint64_t>(w1) << 16) + (static_cast<std::uint64_t>(w2) << 32);
}

std::string formatTimestamp(std::uint64_t milliseconds)
{
    int year = 0, month = 0, day = 0;
    civilFromDays(static_cast<std::int64_t>(milliseconds / kMsPerDay), year, month, day);
    const std::uint64_t inDay = milliseconds % kMsPerDay;
    char text[40];
    std::snprintf(text, sizeof text, "%02d/%02d/%02d %02u:%02u:%02u:%03u", day, month, year % 100,
                  static_cast<unsigned>(inDay / 3'600'000), static_cast<unsigned>(inDay / 60'000 % 60),
                  static_cast<unsigned>(inDay / 1000 % 60), static_cast<unsigned>(inDay % 1000));
    return text;
}

std::string isoTimestamp(std::uint64_t milliseconds)
{
    int year = 0, month = 0, day = 0;
    civilFromDays(static_cast<std::int64_t>(milliseconds / kMsPerDay), year, month, day);
    const std::uint64_t inDay = milliseconds % kMsPerDay;
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02u:%02u:%02u.%03u", year, month, day,
                  static_cast<unsigned>(inDay / 3'600'000), static_cast<unsigned>(inDay / 60'000 % 60),
                  static_cast<unsigned>(inDay / 1000 % 60), static_cast<unsigned>(inDay % 1000));
    return text;
}

Layout layoutOf(int windingRegister, int rtdInputRegister)
{
    return {std::clamp(windingRegister, 0, 3), std::clamp(rtdInputRegister, 0, 6)};
}

std::string eventLine(std::span<const std::uint16_t, kRecordSize> record, Layout layout)
{
    std::string line = formatTimestamp(timestamp48(record[0], record[1], record[2]));
    // Winding 1 and RTD 1 are always written: a record always carries them.
    appendTemperature(line, "  Enr1: ", record[3]);
    if (layout.windings > 1)
        appendTemperature(line, " Enr2: ", record[4]);
    if (layout.windings > 2)
        appendTemperature(line, " Enr3: ", record[5]);
    const char* rtdLabels[] = {" RTD1: ", " RTD2: ", " RTD3: ", " RTD4: ", " RTD5: ", " RTD6: "};
    for (int k = 0; k < 6; ++k) {
        if (k == 0 || layout.rtds >= k + 1)
            appendTemperature(line, rtdLabels[k], record[static_cast<std::size_t>(6 + k)]);
    }
    line += " Rele:";
    for (int j = 0; j < kRelayCount; ++j)
        line += (record[12] >> j) & 1 ? " 1" : " 0";
    return line;
}

} // namespace eventrecord
