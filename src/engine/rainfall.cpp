#include "engine/rainfall.h"

#include "engine/calculationerror.h"

#include <cmath>
#include <cstddef>

namespace velmora {

namespace {

std::size_t eventSlot(int designEvent) {
    return static_cast<std::size_t>(normalisedDesignEvent(designEvent));
}

} // namespace

int normalisedDesignEvent(int itemIndex) {
    return itemIndex >= 0 && itemIndex < kReturnPeriodCount ? itemIndex : rp5Year;
}

double eventExponent(int designEvent) {
    return kCityCurveExponents[eventSlot(designEvent)];
}

std::string eventLabel(int designEvent, double maxDurationHours, const FormatSettings& settings) {
    return std::to_string(kReturnPeriodYears[eventSlot(designEvent)]) + "yr/" +
           FloatToStr(maxDurationHours, settings) + "hr";
}

double eventUserIntensity(int designEvent,
                          const std::array<double, kReturnPeriodCount>& userIntensity) {
    return userIntensity[eventSlot(designEvent)];
}

double cityCurveIntensity(double preTcMinutes, double exponent) {
    const double base = preTcMinutes + kCityCurveOffsetMinutes;
    if (base < 0.0)
        throw CalculationError("Pre-development intensity: invalid operation (a negative base "
                               "raised to a fractional power; time of concentration is below "
                               "-20 minutes)");
    const double divisor = std::pow(base, exponent);
    if (divisor == 0.0)
        throw CalculationError("Pre-development intensity: division by zero (time of "
                               "concentration is -20 minutes)");
    const double intensity = kCityCurveNumerator / divisor;
    requireFinite(intensity, "Pre-development intensity");
    return intensity;
}

std::optional<double> preDevelopmentRate(int intensityMethod, double preArea, double preC,
                                         double preTcMinutes, double exponent,
                                         double userIntensity) {
    double rate = 0.0;
    if (intensityMethod == IntensityMethod::CityCurves)
        rate = cityCurveIntensity(preTcMinutes, exponent) * (preArea * preC);
    else if (intensityMethod == IntensityMethod::UserSupplied)
        rate = preArea * preC * userIntensity;
    else
        return std::nullopt;
    requireFinite(rate, "Pre-development rate");
    return rate;
}

} // namespace velmora
