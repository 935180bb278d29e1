#include "settings/TrimmedText.h"

#include <gtest/gtest.h>

TEST(TrimmedText, DropsOnlyTheCallersBlanksAtTheRightEnds)
{
    struct Case {
        const char* text;
        std::string_view blanks;
        const char* left;
        const char* both;
    };
    const Case cases[] = {
        {" \t/dev/ttyUSB0 \t", kSpacesAndTabs, "/dev/ttyUSB0 \t", "/dev/ttyUSB0"},
        {"\r\n 10.0.0.1\r\n", kSpacesAndTabs, "\r\n 10.0.0.1\r\n", "\r\n 10.0.0.1\r\n"},
        {"\r\n 10.0.0.1\r\n", kBlanksAndLineEnds, "10.0.0.1\r\n", "10.0.0.1"},
        {"a b", kSpacesAndTabs, "a b", "a b"},
        {" \t ", kSpacesAndTabs, "", ""},
        {"", kBlanksAndLineEnds, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(leftTrimmed(c.text, c.blanks), c.left) << c.text;
        EXPECT_EQ(trimmed(c.text, c.blanks), c.both) << c.text;
    }
}
