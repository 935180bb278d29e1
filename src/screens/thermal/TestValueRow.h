#pragma once

#include "app/LanguageText.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One row of the value test window: how a simulated input is shown and sent.
struct TestValueRow {
    enum class Kind {
        Scaled,  // a decimal number; the register holds it times `scale`
        Integer, // a whole number up to `limit`
        Hex,     // shown as "$" and four hexadecimal digits; typed "$" means hexadecimal
    };
    LangText label;
    Kind kind = Kind::Scaled;
    int scale = 1;
    int decimals = 0;
    int limit = 65535;

    std::string show(std::uint16_t value) const;
    // The register value, clamped to the device's range; empty when `text` is not a number.
    std::optional<std::uint16_t> parse(const std::string& text) const;
};

// The simulated inputs of each model, in the order of registers 2151...
const std::vector<TestValueRow>& testValueRows(int deviceType);
