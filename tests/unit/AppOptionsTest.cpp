#include "app/AppOptions.h"
#include "app/IntegerText.h"
#include "app/PageTable.h"
#include "device/DeviceType.h"

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
    EXPECT_FALSE(plain->language.has_value()) << "the remembered language";
    for (const auto& [code, language] : {std::pair{"pt", 0}, std::pair{"en", 1}, std::pair{"es", 2}})
        EXPECT_EQ(parseAppOptions({"--lang", code}, error)->language, language) << code;
}

TEST(AppOptions, RefusesWhatItDoesNotUnderstand)
{
    const std::vector<std::vector<std::string>> bad{
        {"--screenshot"}, {"--screenshot", "x.png", "--after"}, {"--screenshot", "x.png", "--after", "-5"},
        {"--after", "10"}, {"--bogus"}, {"--screenshot", ""}, {"--lang"}, {"--lang", "de"}, {"--lang", "t e"},
        {"--lang", "pt en"}, {"--lang", "1"}};
    for (const auto& args : bad) {
        std::string error;
        EXPECT_FALSE(parseAppOptions(args, error).has_value()) << args.front();
        EXPECT_FALSE(error.empty());
    }
}

TEST(AppOptions, OpensAPageOfTheTable)
{
    struct Case {
        const char* text;
        int type;
        PageId page;
    };
    for (const Case& c : {Case{"T", kQLX700T, PageId::ThermalGeneral},
                          Case{"T:general", kQLX700T, PageId::ThermalGeneral},
                          Case{"t:General", kQLX700T, PageId::ThermalGeneral}}) {
        std::string error;
        const auto o = parseAppOptions({"--demo", "--open", c.text, "--screenshot", "p.png"}, error);
        ASSERT_TRUE(o.has_value()) << c.text << ": " << error;
        ASSERT_NE(o->open, nullptr);
        EXPECT_EQ(o->open->deviceType, c.type) << c.text;
        EXPECT_EQ(o->open->page, c.page) << c.text;
        EXPECT_EQ(o->screenshotFile, "p.png");
    }
    std::string error;
    EXPECT_EQ(parseAppOptions({"--demo"}, error)->open, nullptr);
}

// Unknown names and pages that do not exist for the model are refused with the list
// of those that do.
TEST(AppOptions, RefusesAPageThatIsNotThere)
{
    const std::pair<const char*, const char*> cases[] = {
        {"X", "unknown page X"},           {"T:bogus", "unknown page T:bogus"},
        {"T:", "unknown page T:"},         {"IRR:general:x", "unknown page IRR:general:x"},
        {"", "unknown page "},             {"P:setpoints", "page P:setpoints is not available"},
        {"T:parallelism", "page T:parallelism is not available"}};
    for (const auto& [page, reason] : cases) {
        std::string error;
        EXPECT_FALSE(parseAppOptions({"--demo", "--open", page}, error).has_value()) << page;
        EXPECT_EQ(error, std::string(reason) + " (pages: " + pageRowNames() + ")");
    }
    std::string error;
    EXPECT_FALSE(parseAppOptions({"--demo", "--open"}, error).has_value());
    EXPECT_NE(error.find("T:general"), std::string::npos) << error;
    EXPECT_FALSE(parseAppOptions({"--open", "T"}, error).has_value()) << "only the demo devices can be opened";
    EXPECT_EQ(error, "--open goes with --demo");
}

TEST(AppOptions, HelpListsTheValidPages)
{
    for (const PageRow& row : pageTable())
        EXPECT_NE(appUsage().find(pageRowName(row)), std::string::npos) << pageRowName(row);
    EXPECT_EQ(pageRowName(pageTable().front()), "T:general");
}

TEST(AppIntegerText, AcceptsWholeNumbersOnly)
{
    EXPECT_EQ(parseInteger(" 42 "), 42);
    EXPECT_EQ(parseInteger("-7"), -7);
    EXPECT_EQ(parseInteger("+7"), 7);
    for (const char* bad : {"", " ", "4 2", "1.5", "0x10", "99999999999", "+", "-"})
        EXPECT_FALSE(parseInteger(bad).has_value()) << bad;
}
