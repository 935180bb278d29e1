// The event log's line and the 48-bit time stamps of the QLX700-T's records.
#include "screens/thermal/EventRecord.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using Record = std::array<std::uint16_t, eventrecord::kRecordSize>;

Record eventRecord(std::uint64_t stamp, std::uint16_t temperature, std::uint16_t relays)
{
    Record r{};
    r[0] = static_cast<std::uint16_t>(stamp & 0xFFFF);
    r[1] = static_cast<std::uint16_t>((stamp >> 16) & 0xFFFF);
    r[2] = static_cast<std::uint16_t>((stamp >> 32) & 0xFFFF);
    for (std::size_t i = 3; i < 12; ++i)
        r[i] = temperature;
    r[12] = relays;
    return r;
}

TEST(EventRecord, TimeStampsAreMillisecondsSince1970WithoutTimeZone)
{
    struct Case {
        std::uint64_t ms;
        const char* shown;
        const char* iso;
    };
    const Case cases[] = {
        {0, "01/01/70 00:00:00:000", "1970-01-01 00:00:00.000"},
        {1796943323123, "10/12/26 22:55:23:123", "2026-12-10 22:55:23.123"},
        {1709251199999, "29/02/24 23:59:59:999", "2024-02-29 23:59:59.999"},
        {4102444800000, "01/01/00 00:00:00:000", "2100-01-01 00:00:00.000"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(eventrecord::formatTimestamp(c.ms), c.shown) << c.ms;
        EXPECT_EQ(eventrecord::isoTimestamp(c.ms), c.iso) << c.ms;
    }
    EXPECT_EQ(eventrecord::timestamp48(0x5678, 0x1234, 0x00AB), 0x00AB'1234'5678u);
    EXPECT_EQ(eventrecord::timestamp48(0xFFFF, 0xFFFF, 0xFFFF), 0xFFFF'FFFF'FFFFu);
}

TEST(EventRecord, LineCarriesTheDevicesChannelsAndTheTenRelays)
{
    const Record r = eventRecord(0, 1234, 0x0205);
    EXPECT_EQ(eventrecord::eventLine(r, {3, 6}),
              "01/01/70 00:00:00:000  Enr1: -26.6 Enr2: -26.6 Enr3: -26.6 RTD1: -26.6 RTD2: -26.6 RTD3: -26.6"
              " RTD4: -26.6 RTD5: -26.6 RTD6: -26.6 Rele: 1 0 1 0 0 0 0 0 0 1");
    EXPECT_EQ(eventrecord::eventLine(eventRecord(0, 2250, 0), {1, 2}),
              "01/01/70 00:00:00:000  Enr1: 75.0 RTD1: 75.0 RTD2: 75.0 Rele: 0 0 0 0 0 0 0 0 0 0");
    // Winding 1 and RTD 1 are always there, whatever the device's counts say.
    EXPECT_EQ(eventrecord::eventLine(eventRecord(0, 1500, 0xFC00), eventrecord::layoutOf(-1, 0)),
              "01/01/70 00:00:00:000  Enr1: 0.0 RTD1: 0.0 Rele: 0 0 0 0 0 0 0 0 0 0");
}

TEST(EventRecord, CountsFromTheDeviceAreClampedToWhatARecordHolds)
{
    const struct {
        int windings, rtds, wantWindings, wantRtds;
    } cases[] = {{3, 6, 3, 6}, {9, 65535, 3, 6}, {-4, -1, 0, 0}, {2, 4, 2, 4}};
    for (const auto& c : cases) {
        const eventrecord::Layout l = eventrecord::layoutOf(c.windings, c.rtds);
        EXPECT_EQ(l.windings, c.wantWindings);
        EXPECT_EQ(l.rtds, c.wantRtds);
    }
}

} // namespace
