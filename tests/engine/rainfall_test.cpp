#include "engine/calculationerror.h"
#include "engine/rainfall.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(DesignEvent, SettlesExponentLabelAndUserIntensity) {
    const FormatSettings dot = cLocaleSettings();
    const std::array<double, kReturnPeriodCount> intensities{1, 2, 3, 4, 5};
    const struct {
        int designEvent;
        double maxDuration;
        double exponent;
        const char* label;
        double userIntensity;
    } cases[] = {
        {0, 24, 0.93, "5yr/24hr", 1},   {0, 1.5, 0.93, "5yr/1.5hr", 1},
        {1, 24, 0.9, "10yr/24hr", 2},   {2, 24, 0.863, "25yr/24hr", 3},
        {3, 24, 0.837, "50yr/24hr", 4}, {4, 24, 0.799, "100yr/24hr", 5},
        {-1, 24, 0.93, "5yr/24hr", 1},  {5, 0, 0.93, "5yr/0hr", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.designEvent);
        EXPECT_DOUBLE_EQ(eventExponent(c.designEvent), c.exponent);
        EXPECT_EQ(eventLabel(c.designEvent, c.maxDuration, dot), c.label);
        EXPECT_DOUBLE_EQ(eventUserIntensity(c.designEvent, intensities), c.userIntensity);
    }
    FormatSettings comma = dot;
    comma.decimalSeparator = ',';
    EXPECT_EQ(eventLabel(0, 1.5, comma), "5yr/1,5hr");
}

TEST(PreDevelopmentRate, FollowsTheIntensityMethod) {
    EXPECT_NEAR(cityCurveIntensity(10, 0.863), 7.7022, 5e-5);
    const struct {
        const char* name;
        int method;
        double preArea, preC, userIntensity;
        std::optional<double> rate;
    } cases[] = {
        {"CityCurves25Year", IntensityMethod::CityCurves, 5, 0.3, 99, 11.553},
        {"UserSupplied", IntensityMethod::UserSupplied, 5, 0.3, 2, 3.0},
        {"EmptyAreaGivesZero", IntensityMethod::UserSupplied, 0, 0.3, 2, 0.0},
        {"NoMethodNoRate", -1, 5, 0.3, 2, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto rate =
            preDevelopmentRate(c.method, c.preArea, c.preC, 10, 0.863, c.userIntensity);
        ASSERT_EQ(rate.has_value(), c.rate.has_value());
        if (rate) {
            EXPECT_NEAR(*rate, *c.rate, 5e-4);
        }
    }
}

TEST(PreDevelopmentRate, CityCurveFailsAtOrBelowMinusTwentyMinutes) {
    const struct {
        double preTc;
        const char* message;
    } cases[] = {
        {-20, "Pre-development intensity: division by zero (time of concentration is -20 "
              "minutes)"},
        {-30, "Pre-development intensity: invalid operation (a negative base raised to a "
              "fractional power; time of concentration is below -20 minutes)"},
    };
    for (const auto& c : cases) {
        try {
            preDevelopmentRate(IntensityMethod::CityCurves, 5, 0.3, c.preTc, 0.863, 0);
            ADD_FAILURE() << "no failure for Tc " << c.preTc;
        } catch (const CalculationError& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
    }
    // The user's intensity never looks at the time of concentration.
    EXPECT_NO_THROW(preDevelopmentRate(IntensityMethod::UserSupplied, 5, 0.3, -20, 0.863, 1));
}

} // namespace
} // namespace velmora
