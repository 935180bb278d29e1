#pragma once

#include "app/LanguageText.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One control of the regulator's settings pages and the register it edits: a radio
// group whose item index is the register value, an integer edit, or a decimal edit
// showing r / scale - shift with one decimal.
struct RegisterControl {
    enum class Kind { Radio, Integer, Decimal };

    const char* name;
    // The register, or its offset from the page's base register.
    int reg;
    Kind kind;
    // The label, or the radio group's title.
    LangText caption;
    std::vector<LangText> items{};
    double scale = 1;
    double shift = 0;
    // The accepted shown values.
    double lo = 0;
    double hi = 0;
    LangText message{"", "", ""};
};

// What a control shows: an edit's text, a radio group's selected item (-1: none).
struct ControlValue {
    std::string text;
    int selected = -1;
};

// The text an edit shows for the register value r.
std::string shownControlValue(const RegisterControl& control, int r, char decimalSeparator);
// The register value a typed text writes; empty when the text is not a number in the
// control's range. Decimals round to the nearest integer, halves to even.
std::optional<int> writtenControlValue(const RegisterControl& control, std::string_view text);
