#include "screens/irrigation/IrrigationRecords.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Four fields of 18 characters, each padded with `pad`.
std::string recordText(const std::string& a, const std::string& b, const std::string& c, const std::string& d, char pad = '\0')
{
    std::string text;
    for (std::string f : {a, b, c, d}) {
        f.resize(irrigationrecords::kFieldSize, pad);
        text += f;
    }
    return text;
}

} // namespace

TEST(IrrigationRecords, FieldsEndAtTheirFirstZeroAndAreTrimmed)
{
    struct Case {
        std::string text;
        irrigationrecords::Record fields;
        std::string line;
    };
    const Case cases[] = {
        {recordText("01/11/26 06:00", "0.0 mm", "300 L", "20.0 C"), {"01/11/26 06:00", "0.0 mm", "300 L", "20.0 C"},
         "01/11/26 06:00, 0.0 mm, 300 L, 20.0 C"},
        // Blanks around a value, and whatever follows the first zero, are not part of it.
        {recordText("  06:00  ", std::string("1 mm\0junk", 9), " 7 L", ""), {"06:00", "1 mm", "7 L", ""}, "06:00, 1 mm, 7 L, -----"},
        // A field that fills its 18 characters has no zero: it is taken whole.
        {recordText("01/11/2026 06:00:0", "x", "y", "z"), {"01/11/2026 06:00:0", "x", "y", "z"}, "01/11/2026 06:00:0, x, y, z"},
        // A blank-padded temperature is empty too.
        {recordText("a", "b", "c", "", ' '), {"a", "b", "c", ""}, "a, b, c, -----"},
        // A short text leaves the missing fields empty instead of reading past it.
        {std::string("06:00"), {"06:00", "", "", ""}, "06:00, , , -----"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const irrigationrecords::Record r = irrigationrecords::splitRecord(c.text);
        EXPECT_EQ(r, c.fields);
        EXPECT_EQ(irrigationrecords::recordLine(r), c.line);
    }
}

TEST(IrrigationRecords, TheFileIsWindows1252WithCrLf)
{
    const std::string text =
        irrigationrecords::recordsFileText("Hora, Pluviômetro", {irrigationrecords::Record{"a", "b", "c", "ºC"}});
    EXPECT_EQ(text, "Hora, Pluvi\xF4metro\r\na, b, c, \xBA" "C\r\n");
}
