// Conversions of the regulator settings pages' fields.
#include "screens/regulator/RegisterControl.h"
#include "screens/regulator/RegulatorControls.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

const RegisterControl& named(const std::vector<RegisterControl>& controls, const std::string& name)
{
    for (const RegisterControl& c : controls) {
        if (c.name == name)
            return c;
    }
    throw std::invalid_argument(name);
}

} // namespace

TEST(RegisterControl, TypedTextsBecomeRegisterValuesOrAreRefused)
{
    struct Case {
        const char* field;
        const char* typed;
        std::optional<int> written;
    };
    const auto& page = regulatorControls();
    for (const Case& c : {Case{"edZ", "0.25", 2}, Case{"edZ", "0,35", 4}, Case{"edZ", "-0.04", 0},
                          Case{"edZ", "15.04", 150}, Case{"edZ", "15.05", std::nullopt}, Case{"edZ", "", std::nullopt},
                          Case{"edZ", "abc", std::nullopt}, Case{"edUR", "-25.04", 0}, Case{"edUR", " 1.5 ", 265},
                          Case{"edCorrenteNominal", "0.0997", std::nullopt}, Case{"edResPorPos", "2.96", 30},
                          Case{"edRelacaoTP", "9999", 9999}, Case{"edRelacaoTP", "10000", std::nullopt},
                          Case{"edRelacaoTP", "12.0", std::nullopt}, Case{"edDefasagem", "-1", std::nullopt}}) {
        EXPECT_EQ(writtenControlValue(named(page, c.field), c.typed), c.written) << c.field << " '" << c.typed << "'";
    }
}

TEST(RegisterControl, RegisterValuesAreShownInTheFieldsUnits)
{
    const auto& page = regulatorControls();
    EXPECT_EQ(shownControlValue(named(page, "edUR"), 225, ','), "-2,5");
    EXPECT_EQ(shownControlValue(named(page, "edUR"), 500, '.'), "25.0");
    EXPECT_EQ(shownControlValue(named(page, "edCorrenteNominal"), 1, '.'), "0.1");
    EXPECT_EQ(shownControlValue(named(page, "edRelacaoTC"), 65535, '.'), "65535");
    EXPECT_EQ(shownControlValue(named(regulatorSetControls(), "edTensaoNominal"), 1275, '.'), "127.5");
}
