#include "app/AppOptions.h"
#include "app/IntegerText.h"

#include <gtest/gtest.h>

TEST(AppOptions, ParsesDemoAndScreenshot)
{
    std::string error;
    const auto o = parseAppOptions({"--demo", "--screenshot", "out.png", "--after", "250"}, error);
    ASSERT_TRUE(o.has_value()) << error;
    EXPECT_TRUE(o->demo);
    EXPECT_EQ(o->screenshotFile, "out.png");
    EXPECT_EQ(o->screenshotAfterMs, 250);
    const auto plain = parseAppOptions({}, error);
    ASSERT_TRUE(plain.has_value());
    EXPECT_FALSE(plain->demo);
    EXPECT_TRUE(plain->screenshotFile.empty());
}

TEST(AppOptions, RefusesWhatItDoesNotUnderstand)
{
    const std::vector<std::vector<std::string>> bad{
        {"--screenshot"}, {"--screenshot", "x.png", "--after"}, {"--screenshot", "x.png", "--after", "-5"},
        {"--after", "10"}, {"--bogus"}, {"--screenshot", ""}};
    for (const auto& args : bad) {
        std::string error;
        EXPECT_FALSE(parseAppOptions(args, error).has_value()) << args.front();
        EXPECT_FALSE(error.empty());
    }
}

TEST(AppIntegerText, AcceptsWholeNumbersOnly)
{
    EXPECT_EQ(parseInteger(" 42 "), 42);
    EXPECT_EQ(parseInteger("-7"), -7);
    EXPECT_EQ(parseInteger("+7"), 7);
    for (const char* bad : {"", " ", "4 2", "1.5", "0x10", "99999999999", "+", "-"})
        EXPECT_FALSE(parseInteger(bad).has_value()) << bad;
}
