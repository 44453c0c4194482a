// The failure of one step of the engine's arithmetic.
#pragma once

#include <cmath>
#include <stdexcept>
#include <string>

namespace velmora {

// A division by zero, an invalid operation or an overflow met by the engine. what() names the
// step and the reason, such as "Stage-1 of event 5-year row 1: division by zero (pond area is
// 0)"; a results run turns it into the "CHECK DATA!" failure.
class CalculationError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The name of a per-step value as the messages give it: "Stage-1 of event 5-year row 1".
// `rowIndex` counts from 0; the text counts rows from 1, as the grid does.
std::string stepName(const char* quantity, int returnPeriod, int rowIndex);

// Throws CalculationError for a value that is not finite: "<step>: overflow" for an infinity,
// "<step>: invalid operation (not a number)" for a NaN.
[[noreturn]] void throwNotFinite(double value, const std::string& step);

// The checks below build their message only on failure, so they cost nothing in a loop.
inline void requireFinite(double value, const char* step) {
    if (!std::isfinite(value))
        throwNotFinite(value, step);
}

inline void requireFinite(double value, const char* quantity, int returnPeriod, int rowIndex) {
    if (!std::isfinite(value))
        throwNotFinite(value, stepName(quantity, returnPeriod, rowIndex));
}

} // namespace velmora
