#include "settings/DecimalParse.h"
#include "settings/FloatWords.h"
#include "settings/IpBytes.h"
#include "settings/MonotonicClock.h"
#include "settings/ProgramVersion.h"
#include "settings/RealText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

TEST(TryParseDouble, AcceptsPointOrCommaAndPlainDecimalForms)
{
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"2.5", 2.5}, {"2,5", 2.5}, {" -2,5 ", -2.5}, {"+7", 7.0}, {"\t1e3", 1000.0},
        {"1,5E-2", 0.015}, {".5", 0.5}, {"5.", 5.0}, {"0", 0.0}, {"1,000", 1.0},
    };
    for (const Case& c : cases) {
        double v = -99;
        EXPECT_TRUE(TryParseDouble(c.text, v)) << c.text;
        EXPECT_DOUBLE_EQ(v, c.value) << c.text;
    }
}

TEST(TryParseDouble, RefusesEverythingButPlainFiniteDecimals)
{
    const char* bad[] = {"1.000,5", "1,000.5", "nan", "NaN", "inf", "-inf", "infinity", "0x1p3", "0x10", "1e400",
                         "", "  ", "abc", "1 2", "--1", "+-1", "1.5.", "2,5x", ",", "1e", "e5"};
    for (const char* text : bad) {
        double v = 42.0;
        EXPECT_FALSE(TryParseDouble(text, v)) << text;
        EXPECT_EQ(v, 42.0) << text;
    }
}

TEST(TryParseDouble, LeavesTheProcessLocaleAlone)
{
    const std::string original = std::setlocale(LC_ALL, nullptr);
    // Under a comma locale too, where a locale-bound parser would misread "2.5".
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    const std::string before = std::setlocale(LC_ALL, nullptr);
    double v = 0;
    EXPECT_TRUE(TryParseDouble("2.5", v));
    EXPECT_EQ(v, 2.5);
    EXPECT_TRUE(TryParseDouble("2,5", v));
    EXPECT_EQ(v, 2.5);
    EXPECT_EQ(std::string(std::setlocale(LC_ALL, nullptr)), before);
    std::setlocale(LC_ALL, original.c_str());
}

TEST(TryParseSingle, RoundsToFloatAndRefusesItsOverflow)
{
    float f = 0;
    EXPECT_TRUE(TryParseSingle("1,1", f));
    EXPECT_EQ(f, 1.1f);
    EXPECT_TRUE(TryParseSingle("3.4e38", f));
    EXPECT_FALSE(TryParseSingle("1e39", f)); // fine as a double, infinite as a float
    EXPECT_FALSE(TryParseSingle("inf", f));
    EXPECT_FALSE(TryParseSingle("1.000,5", f));
}

TEST(FloatWords, PackLowHalfFirstAndReadNaNAsZero)
{
    EXPECT_EQ(WordsToSingle(0x0000, 0x3FC0), 1.5f);
    EXPECT_EQ(WordsToSingle(0x0001, 0x7FC0), 0.0f);
    EXPECT_EQ(WordsToSingle(0xFFFF, 0xFFFF), 0.0f);
    EXPECT_EQ(WordsToSingle(0x0000, 0x7F80), std::numeric_limits<float>::infinity());
    EXPECT_EQ(WordsToSingle(0x0000, 0xFF80), -std::numeric_limits<float>::infinity());
    std::uint16_t lo = 0;
    std::uint16_t hi = 0;
    SingleToWords(-2.75f, lo, hi);
    EXPECT_EQ(lo, 0x0000);
    EXPECT_EQ(hi, 0xC030);
    SingleToWords(0.1f, lo, hi);
    EXPECT_EQ(WordsToSingle(lo, hi), 0.1f);
    EXPECT_EQ(lo, 0xCCCD);
}

TEST(SwapIpBytes, ReversesTheFourBytes)
{
    EXPECT_EQ(SwapIpBytes(0xC0A80032u), 0x3200A8C0u);
    EXPECT_EQ(SwapIpBytes(SwapIpBytes(0x01020304u)), 0x01020304u);
}

TEST(ProgramVersion, TextAndPacking)
{
    EXPECT_EQ(VersionToText(0x1106), "1.1.6");
    EXPECT_EQ(PackVersion(1, 1, 6), 0x1106);
    EXPECT_EQ(VersionToText(GetProgramVersion()), QLX700_VERSION_TEXT);
}

TEST(MonotonicClock, CountsDaysFromStart)
{
    StartClock();
    const double a = ElapsedDays();
    const double b = ElapsedDays();
    EXPECT_GE(a, 0.0);
    EXPECT_GE(b, a);
    EXPECT_LT(b, 1.0 / 86400.0 * 60); // well under a minute since StartClock
}

TEST(RealText, WritesAPointAndReadsBack)
{
    EXPECT_EQ(formatSingle(1.5f), "1.5");
    EXPECT_EQ(formatSingle(-0.1f), "-0.1");
    EXPECT_EQ(formatDouble(46000.25), "46000.25");
    EXPECT_EQ(formatDouble(1.0 / 3.0), "0.333333333333333");
    const float samples[] = {1.0f / 3.0f, 12700.0f, 1e-7f, 123456.789f};
    for (float s : samples) {
        float back = 0;
        ASSERT_TRUE(TryParseSingle(formatSingle(s), back)) << formatSingle(s);
        EXPECT_EQ(back, s);
    }
}
