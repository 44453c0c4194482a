#include "engine/calculationerror.h"

#include "engine/inputs.h"

namespace velmora {

std::string stepName(const char* quantity, int returnPeriod, int rowIndex) {
    const bool known = returnPeriod >= 0 && returnPeriod < kReturnPeriodCount;
    const int years = kReturnPeriodYears[static_cast<std::size_t>(known ? returnPeriod : 0)];
    return std::string(quantity) + " of event " + std::to_string(years) + "-year row " +
           std::to_string(rowIndex + 1);
}

void throwNotFinite(double value, const std::string& step) {
    if (std::isnan(value))
        throw CalculationError(step + ": invalid operation (not a number)");
    throw CalculationError(step + ": overflow");
}

} // namespace velmora
