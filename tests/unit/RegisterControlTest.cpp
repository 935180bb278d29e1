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
    for (const Case& c : {Case{"impedanceCompensationEdit", "0.25", 2}, Case{"impedanceCompensationEdit", "0,35", 4},
                          Case{"impedanceCompensationEdit", "-0.04", 0},
                          Case{"impedanceCompensationEdit", "15.04", 150},
                          Case{"impedanceCompensationEdit", "15.05", std::nullopt},
                          Case{"impedanceCompensationEdit", "", std::nullopt},
                          Case{"impedanceCompensationEdit", "abc", std::nullopt},
                          Case{"resistiveDropEdit", "-25.04", 0}, Case{"resistiveDropEdit", " 1.5 ", 265},
                          Case{"ratedCurrentEdit", "0.0997", std::nullopt},
                          Case{"resistancePerPositionEdit", "2.96", 30},
                          Case{"vtRatioEdit", "9999", 9999}, Case{"vtRatioEdit", "10000", std::nullopt},
                          Case{"vtRatioEdit", "12.0", std::nullopt},
                          Case{"phaseShiftEdit", "-1", std::nullopt}}) {
        EXPECT_EQ(writtenControlValue(named(page, c.field), c.typed), c.written) << c.field << " '" << c.typed << "'";
    }
}

TEST(RegisterControl, RegisterValuesAreShownInTheFieldsUnits)
{
    const auto& page = regulatorControls();
    EXPECT_EQ(shownControlValue(named(page, "resistiveDropEdit"), 225, ','), "-2,5");
    EXPECT_EQ(shownControlValue(named(page, "resistiveDropEdit"), 500, '.'), "25.0");
    EXPECT_EQ(shownControlValue(named(page, "ratedCurrentEdit"), 1, '.'), "0.1");
    EXPECT_EQ(shownControlValue(named(page, "ctRatioEdit"), 65535, '.'), "65535");
    EXPECT_EQ(shownControlValue(named(regulatorSetControls(), "ratedVoltageEdit"), 1275, '.'), "127.5");
}
