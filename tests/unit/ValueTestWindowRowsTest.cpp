// The value test window's rows of every model: what the device gets for what is typed.
#include "device/DeviceType.h"
#include "screens/thermal/TestValueRow.h"

#include <gtest/gtest.h>

TEST(ValueTestWindowRows, TypedValuesBecomeRegisterValues)
{
    struct Case {
        int type;
        int row; // 0-based
        const char* typed;
        std::optional<std::uint16_t> sent;
    };
    for (const Case& c : {
             Case{kQLX700T, 0, "100", 1000},       Case{kQLX700T, 5, "7000", 65535},
             Case{kQLX700T, 6, "1.5", 150},        Case{kQLX700T, 2, "abc", std::nullopt},
             Case{kQLX700T, 1, "-3", 0},           Case{kQLX700T, 0, "0,25", 2}, // halves to even
             Case{kQLX700P, 8, "655.36", 65535},   Case{kQLX700R, 0, "300", 255},
             Case{kQLX700R, 0, "1.5", std::nullopt}, Case{kQLX700R, 3, "70000", 65535},
             Case{kQLX700IRR, 1, "$00FF", 255},    Case{kQLX700IRR, 1, "$G1", std::nullopt},
             Case{kQLX700IRR, 1, "12", 12},        Case{kQLX700C, 1, "1.5", 1500},
             Case{kQLX700C, 1, "66", 65535},       Case{kQLX700C, 4, "$ABCD", 0xABCD},
         }) {
        const auto& rows = testValueRows(c.type);
        ASSERT_LT(static_cast<std::size_t>(c.row), rows.size());
        EXPECT_EQ(rows[static_cast<std::size_t>(c.row)].parse(c.typed), c.sent) << c.type << " row " << c.row << " "
                                                                                << c.typed;
    }
}

TEST(ValueTestWindowRows, RowsFollowTheModel)
{
    EXPECT_EQ(testValueRows(kQLX700T).size(), 9u);
    EXPECT_EQ(testValueRows(kQLX700P).size(), 9u);
    EXPECT_EQ(testValueRows(kQLX700C).size(), 5u);
    const auto& r = testValueRows(kQLX700R);
    ASSERT_EQ(r.size(), 4u);
    EXPECT_EQ(r[0].label.in(1), "Posit");
    EXPECT_EQ(r[3].label.in(2), "Retras");
    EXPECT_EQ(testValueRows(kQLX700T)[6].label.in(1), "Curr1");
    EXPECT_EQ(testValueRows(kQLX700IRR)[1].show(0x1A), "$001A");
    EXPECT_EQ(testValueRows(kQLX700C)[1].show(1234), "1.234");
    EXPECT_EQ(testValueRows(kQLX700T)[0].show(1000), "100.0");
}
