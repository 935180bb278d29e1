#pragma once

#include "app/LanguageText.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One control of a settings page and the register it edits: a radio group whose
// item index is the register value, an integer edit, or a decimal edit showing
// r / scale - shift with one decimal.
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
    // `reg` is the same for every base (a P unit's position reading among its entries).
    bool absolute = false;
    // Where a send writes the value when that is not the register shown, never offset
    // by the base: a P unit shows its address in its entry and changes it through the
    // unit index.
    std::optional<int> writtenReg{};
    // Leaving the edit, or Enter in it, sends the page; otherwise the edit goes out
    // with the next send.
    bool sendsWhenLeft = true;
    // A radio group shown a value it has no item for selects none, so that a send
    // never writes an item the device did not hold; otherwise it keeps its selection.
    bool unknownSelectsNone = false;
};

using ControlKind = RegisterControl::Kind;

// What a control shows: an edit's text, a radio group's selected item (-1: none).
struct ControlValue {
    std::string text;
    int selected = -1;
};

// The register a control shows for the page's base; none when the control is
// offset from a base the page does not have.
std::optional<int> shownRegister(const RegisterControl& control, std::optional<int> base);
// The register a send writes the control's value to, on the same terms.
std::optional<int> writtenRegister(const RegisterControl& control, std::optional<int> base);

// The text an edit shows for the register value r.
std::string shownControlValue(const RegisterControl& control, int r, char decimalSeparator);
// The register value a typed text writes; empty when the text is not a number in the
// control's range. Decimals round to the nearest integer, halves to even.
std::optional<int> writtenControlValue(const RegisterControl& control, std::string_view text);

// The position of the control named `name`; throws std::out_of_range when there is none.
std::size_t controlIndex(const std::vector<RegisterControl>& controls, std::string_view name);
