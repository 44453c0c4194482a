// The values of a run that depend on the design event, and the site's peak runoff rate before
// development.
#pragma once

#include "engine/inputs.h"

#include <array>
#include <optional>
#include <string>

namespace velmora {

// City intensity curve: intensity (in/h) = 145 / (Tc + 20)^exponent, Tc in minutes.
inline constexpr double kCityCurveNumerator = 145.0;    // in/h factor of the city curve
inline constexpr double kCityCurveOffsetMinutes = 20.0; // min added to the time of concentration
// The curve's exponent by return period: 5, 10, 25, 50 and 100 year.
inline constexpr std::array<double, kReturnPeriodCount> kCityCurveExponents{0.93, 0.9, 0.863, 0.837,
                                                                            0.799};

// The design event index of the radio group, any index outside 0..4 (no selection included)
// being the 5-year event.
int normalisedDesignEvent(int itemIndex);

// The city curve's exponent for the design event.
double eventExponent(int designEvent);

// The event's label, such as "25yr/24hr": the return period, then the longest duration in
// hours in the general number format.
std::string eventLabel(int designEvent, double maxDurationHours, const FormatSettings& settings);

// The user's intensity (in/h) of the design event.
double eventUserIntensity(int designEvent,
                          const std::array<double, kReturnPeriodCount>& userIntensity);

// The city curve's intensity in in/h for a time of concentration in minutes. Throws
// CalculationError when Tc is -20 minutes (division by zero) or below (a negative base raised
// to a fractional power).
double cityCurveIntensity(double preTcMinutes, double exponent);

// The peak runoff rate before development in cfs: acres x C x in/h, taken as cfs with no
// further factor. Intensity method 0 uses the user's intensity of the event, method 1 the city
// curve; any other method gives no rate. Throws CalculationError on a failure of the
// arithmetic.
std::optional<double> preDevelopmentRate(int intensityMethod, double preArea, double preC,
                                         double preTcMinutes, double exponent,
                                         double userIntensity);

} // namespace velmora
