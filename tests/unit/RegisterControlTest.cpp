// Conversions and registers of the settings pages' controls.
#include "screens/common/RegisterControl.h"
#include "screens/parallelism/ParallelismControls.h"
#include "screens/position/PositionIndicatorControls.h"
#include "screens/regulator/RegulatorControls.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>

namespace {

const RegisterControl& named(const std::vector<RegisterControl>& controls, const std::string& name)
{
    return controls[controlIndex(controls, name)];
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

// The C accepts 2.97..20.04 ohms and the P 3.00..20.00, as typed rounded to the
// hundredth (half away from zero).
TEST(RegisterControl, ResistanceBoundsAreTheTypedHundredths)
{
    struct Case {
        const char* typed;
        std::optional<int> written;
    };
    const RegisterControl& c = named(positionIndicatorControls(), "resistancePerPositionEdit");
    for (const Case& k : {Case{"2.965", 30}, Case{"2.9649", std::nullopt}, Case{"2.96", std::nullopt},
                          Case{"20.0449", 200}, Case{"20.045", std::nullopt}, Case{"20.05", std::nullopt}})
        EXPECT_EQ(writtenControlValue(c, k.typed), k.written) << "C '" << k.typed << "'";
    const RegisterControl& p = named(parallelismControls(), "resistancePerPositionEdit");
    for (const Case& k : {Case{"2.995", 30}, Case{"2.9949", std::nullopt}, Case{"2.99", std::nullopt},
                          Case{"20.0049", 200}, Case{"20.005", std::nullopt}, Case{"20.01", std::nullopt}})
        EXPECT_EQ(writtenControlValue(p, k.typed), k.written) << "P '" << k.typed << "'";
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

// A P unit's entries follow its index on the bus; without an index only the
// device's own position reading and the unit index itself have a register.
TEST(RegisterControl, RegistersFollowTheBaseUnlessAbsolute)
{
    const auto& page = parallelismControls();
    const RegisterControl& busSize = named(page, "busSizeEdit");
    const RegisterControl& reading = named(page, "positionReadingGroup");
    const RegisterControl& address = named(page, "addressEdit");
    EXPECT_EQ(shownRegister(busSize, 3), 24);
    EXPECT_EQ(writtenRegister(busSize, 3), 24);
    EXPECT_EQ(shownRegister(busSize, std::nullopt), std::nullopt);
    EXPECT_EQ(writtenRegister(busSize, std::nullopt), std::nullopt);
    EXPECT_EQ(shownRegister(reading, 3), 201);
    EXPECT_EQ(writtenRegister(reading, std::nullopt), 201);
    EXPECT_EQ(shownRegister(address, 3), 4);
    EXPECT_EQ(writtenRegister(address, 3), 1951);
    EXPECT_EQ(shownRegister(address, std::nullopt), std::nullopt);
    EXPECT_EQ(writtenRegister(address, std::nullopt), 1951);
    EXPECT_THROW(controlIndex(page, "vtRatioEdit"), std::out_of_range);
}
