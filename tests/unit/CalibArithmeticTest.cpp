#include "screens/calibration/CalibrationRegisters.h"
#include "screens/calibration/LineFit.h"
#include "screens/calibration/Pt100Curve.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

struct FitCase {
    const char* name;
    std::vector<double> x, y;
    const char* a;
    const char* b;
    const char* correlation;
};

TEST(LineFit, WorkedPointsGiveTheShownSlopeInterceptAndCorrelation)
{
    const LineFit previous{0.5, 0.25, 50.0};
    const FitCase cases[] = {
        {"RTD two points", {100, 120}, {100.5, 120.9}, "a = 1.0200", "b = -1.5000", "corr = 100.00000 %"},
        {"current output, desired over obtained", {4.1, 20.3}, {4, 20}, "a = 0.9877", "b = -0.0494",
         "corr = 100.00000 %"},
        {"one point: the identity line", {100}, {101}, "a = 1.0000", "b = 0.0000", "corr = 0.00000 %"},
        {"no points: the identity line", {}, {}, "a = 1.0000", "b = 0.0000", "corr = 0.00000 %"},
        {"all x equal: the previous fit stays", {100, 100, 100}, {99, 101, 102}, "a = 0.5000", "b = 0.2500",
         "corr = 50.00000 %"},
        {"all y equal: flat line, no correlation", {1, 2, 3}, {5, 5, 5}, "a = 0.0000", "b = 5.0000",
         "corr = 0.00000 %"},
        {"scattered points", {1, 2, 3}, {1, 3, 2}, "a = 0.5000", "b = 1.0000", "corr = 25.00000 %"},
        // The window keeps points in single precision: this intercept comes out as -7.6e-6.
        {"an intercept of zero has no sign", {100, 120}, {102.0f, 122.4f}, "a = 1.0200", "b = 0.0000",
         "corr = 100.00000 %"},
    };
    for (const FitCase& c : cases) {
        SCOPED_TRACE(c.name);
        const LineFitTexts t = lineFitTexts(fitLine(c.x, c.y, previous));
        EXPECT_EQ(t.slope, c.a);
        EXPECT_EQ(t.intercept, c.b);
        EXPECT_EQ(t.correlation, c.correlation);
    }
}

TEST(Pt100Curve, ResistanceAndTemperatureMatchTheDeviceTable)
{
    const struct {
        double celsius;
        double ohms;
    } resistances[] = {{0, 100.0}, {100, 138.5055}, {-100, 60.2558}, {-200, 18.5201}};
    for (const auto& r : resistances)
        EXPECT_NEAR(Pt100Resistance(r.celsius), r.ohms, 0.00005) << r.celsius;

    const struct {
        double ohms;
        double celsius;
    } temperatures[] = {{100.0, 0.0056}, {60.2558, -100.0038}};
    for (const auto& t : temperatures)
        EXPECT_NEAR(Pt100Temperature(t.ohms), t.celsius, 0.005) << t.ohms;
}

TEST(CalibrationRegisters, RegisterWordRoundsHalvesToEvenAndRefusesWhatDoesNotFit)
{
    EXPECT_EQ(registerWord(65535.0), 65535);
    EXPECT_EQ(registerWord(655.35 * 100), 65535);
    EXPECT_EQ(registerWord(0.5), 0);
    EXPECT_EQ(registerWord(1.5), 2);
    EXPECT_EQ(registerWord(19531.25), 19531);
    EXPECT_EQ(registerWord(-0.4), 0);
    for (double bad : {65535.6, -0.6, -1.0, std::nan(""), std::numeric_limits<double>::infinity(),
                       -std::numeric_limits<double>::infinity(), 1e300})
        EXPECT_FALSE(registerWord(bad).has_value()) << bad;
}

TEST(CalibrationRegisters, ChangedCalibrationCountsDifferencesBothWaysButNeverTheIdentityLine)
{
    EXPECT_TRUE(calibrationChanged(1.02, -1.5, 1.0, 0.0));
    EXPECT_TRUE(calibrationChanged(0.98, 0.0, 1.0, 0.0)) << "a smaller gain is a change too";
    EXPECT_TRUE(calibrationChanged(1.0, -0.5, 1.0, 0.0)) << "a = 1 alone is no reason to skip";
    EXPECT_TRUE(calibrationChanged(1.02, 0.0, 1.0, 0.3));
    EXPECT_FALSE(calibrationChanged(1.02, -1.5, 1.02, -1.5));
    EXPECT_FALSE(calibrationChanged(1.0200005, -1.5, 1.02, -1.5));
    EXPECT_FALSE(calibrationChanged(1.0, 0.0, 1.3, 2.0));
}

} // namespace
