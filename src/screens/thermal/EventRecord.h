#pragma once

#include <cstdint>
#include <span>
#include <string>

// The QLX700-T's records: the event log's 13-register records and the 48-bit time
// stamps of events and maxima (milliseconds since 1970-01-01 of the device's own
// clock, without any time zone).
namespace eventrecord {

constexpr int kRecordSize = 13;
constexpr int kRelayCount = 10;

// The device's three words, lowest first.
std::uint64_t timestamp48(std::uint16_t w0, std::uint16_t w1, std::uint16_t w2);

// "dd/mm/yy hh:nn:ss:zzz" of a time stamp, as the device's clock read it.
std::string formatTimestamp(std::uint64_t milliseconds);

// "YYYY-MM-DD hh:mm:ss.zzz" of a time stamp, for scripts.
std::string isoTimestamp(std::uint64_t milliseconds);

// Which temperatures a record line carries: the windings (1020) and RTD inputs (1003)
// the device has, clamped to what a record holds.
struct Layout {
    int windings = 3;
    int rtds = 6;
};
Layout layoutOf(int windingRegister, int rtdInputRegister);

// One line of the event log file (without its line end): time, winding 1 and the
// other windings the device has, RTD 1 and the other RTDs it has, and the ten relays.
std::string eventLine(std::span<const std::uint16_t, kRecordSize> record, Layout layout);

} // namespace eventrecord
