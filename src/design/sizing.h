// Sizing by search: the outlet opening or the pond area that just meets a target in every
// chosen event, found by bisection over whole results runs.
#pragma once

#include "engine/capture.h"
#include "engine/resultsrun.h"

#include <array>
#include <optional>
#include <stdexcept>
#include <string>

namespace velmora {

enum class SizedValue {
    Opening,  // inches: weir length, circular orifice diameter or rectangular orifice width
    PondArea, // acres: the pond's average surface area
};

struct SizingTarget {
    enum class Kind {
        PreDevelopmentRate, // every chosen event's peak outflow at or below its rate
        PeakStage,          // every chosen event's peak stage at or below peakStage
    };
    Kind kind = Kind::PreDevelopmentRate;
    double peakStage = 0; // ft
};

struct SizingRequest {
    SizedValue value = SizedValue::Opening;
    SizingTarget target;
    std::array<bool, kReturnPeriodCount> events{true, true, true, true, true}; // 5-year first
};

// The values a search tries: from `low` to `high` in steps of `step`, the unit of the value.
// The step is the precision the project file keeps (two decimals of an inch, three of an
// acre), so the value found is the value the file holds.
struct SizingRange {
    double low = 0;
    double high = 0;
    double step = 0;
};

inline constexpr SizingRange kOpeningRange{0.01, 1200.0, 0.01};    // inches
inline constexpr SizingRange kPondAreaRange{0.001, 1000.0, 0.001}; // acres

const SizingRange& sizingRange(SizedValue value);

// A search that cannot be made: an opening for a stage-discharge table outlet. what() is the
// message the user sees.
class SizingError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct SizingResult {
    std::optional<double> value; // inches or acres; none when no value in the range meets
    bool atRangeEnd = false;     // the value is the range's end, so values beyond may meet too
    int runs = 0;                // results runs the search made
    std::optional<std::string> firstFailedRun; // why the first failing trial run failed
};

// Whether every chosen event of the run meets the target. Without a pre-development rate an
// event cannot meet it.
bool meetsTarget(const ResultsRun& run, const SizingRequest& request);

// The inputs with the sized value replaced.
DesignInputs withSizedValue(DesignInputs inputs, SizedValue value, double size);

// Whether a larger value helps: a larger opening lowers the peak stage but raises the peak
// outflow; a larger pond lowers both.
bool largerValueMeetsSooner(const SizingRequest& request);

// The largest opening that keeps every chosen event's peak outflow at or below its rate, or
// else the smallest value that meets the target, to one step of the range. From the
// project's own value, trial values doubling or halving bracket the boundary; bisection then
// finds it. The boundary found is the one nearest the project's value: the steps of a very
// small pond or a very wide opening can swing enough to meet or miss a target by accident,
// so the search stays by the design the engineer has. A trial run that fails (such as a weir
// whose end contractions make its length negative) misses the target. Throws SizingError
// for an opening of a stage-discharge table.
SizingResult sizeDesign(const DesignInputs& inputs, const CapturedTables& captured,
                        const SizingRequest& request, const FormatSettings& settings);

} // namespace velmora
