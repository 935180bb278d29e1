#pragma once

#include <string>
#include <string_view>

// Text without the blanks around it. What counts as a blank is the caller's: typed
// fields drop spaces and tabs, addresses and device records line ends too.
inline constexpr std::string_view kSpacesAndTabs = " \t";
inline constexpr std::string_view kBlanksAndLineEnds = " \t\r\n";

// Without the leading blanks.
std::string leftTrimmed(std::string_view text, std::string_view blanks = kSpacesAndTabs);
// Without the leading and trailing blanks.
std::string trimmed(std::string_view text, std::string_view blanks = kSpacesAndTabs);
