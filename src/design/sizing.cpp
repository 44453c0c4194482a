#include "design/sizing.h"

#include "design/eventcheck.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <string>

namespace velmora {

namespace {

// The search runs over the whole steps of the range: step index i is the value i x step.
// The value is taken as i / (1 / step), the double the file's fixed decimals read back as.
class StepGrid {
  public:
    explicit StepGrid(const SizingRange& range)
        : stepsPerUnit_(std::round(1.0 / range.step)),
          first_(std::llround(range.low * stepsPerUnit_)),
          last_(std::llround(range.high * stepsPerUnit_)) {}

    long long first() const { return first_; }
    // The step nearest to a value, held within the range; the first for a value that is not
    // a number.
    long long nearest(double value) const {
        const double index = std::round(value * stepsPerUnit_);
        if (!(index >= static_cast<double>(first_)))
            return first_;
        return index > static_cast<double>(last_) ? last_ : static_cast<long long>(index);
    }
    long long last() const { return last_; }
    double value(long long index) const { return static_cast<double>(index) / stepsPerUnit_; }

  private:
    double stepsPerUnit_;
    long long first_;
    long long last_;
};

// One results run per trial value. A run that fails (such as a weir whose end contractions
// make its effective length negative, so that the pond fills without bound) misses the target.
class Trials {
  public:
    Trials(const DesignInputs& inputs, const CapturedTables& captured, const SizingRequest& request,
           const FormatSettings& settings, const StepGrid& grid)
        : inputs_(inputs), captured_(captured), request_(request), settings_(settings),
          grid_(grid) {}

    bool meets(long long index) {
        ++runs_;
        const DesignInputs sized = withSizedValue(inputs_, request_.value, grid_.value(index));
        try {
            return meetsTarget(performResultsRun(sized, captured_, settings_), request_);
        } catch (const RunError& error) {
            if (!firstFailure_)
                firstFailure_ = error.detail();
            return false;
        }
    }
    int runs() const { return runs_; }
    const std::optional<std::string>& firstFailure() const { return firstFailure_; }

  private:
    const DesignInputs& inputs_;
    const CapturedTables& captured_;
    const SizingRequest& request_;
    const FormatSettings& settings_;
    const StepGrid& grid_;
    int runs_ = 0;
    std::optional<std::string> firstFailure_;
};

// Between a meeting and a missing index, the meeting index next to the boundary.
long long boundary(Trials& trials, long long meets, long long misses) {
    while (std::llabs(misses - meets) > 1) {
        const long long middle = meets + (misses - meets) / 2;
        (trials.meets(middle) ? meets : misses) = middle;
    }
    return meets;
}

// The next trial from `index`, twice or half as large, held within the grid.
long long nextTrial(const StepGrid& grid, long long index, bool larger) {
    return larger ? std::min(index * 2, grid.last()) : std::max(index / 2, grid.first());
}

// From `start`, trials doubling or halving across the boundary nearest to it, then bisection
// between the last two: the meeting index next to that boundary. From a start that meets, the
// walk goes away from the meeting side; from one that misses, towards it.
std::optional<long long> nearestMeeting(Trials& trials, const StepGrid& grid, long long start,
                                        bool largerMeets, bool& atEnd) {
    const bool startMeets = trials.meets(start);
    const bool larger = startMeets != largerMeets;
    const long long end = larger ? grid.last() : grid.first();
    for (long long index = start; index != end;) {
        const long long next = nextTrial(grid, index, larger);
        if (trials.meets(next) != startMeets)
            return startMeets ? boundary(trials, index, next) : boundary(trials, next, index);
        index = next;
    }
    if (!startMeets)
        return std::nullopt;
    atEnd = true;
    return end;
}

bool meetsInEvent(const EventCheck& check, const SizingTarget& target) {
    if (target.kind == SizingTarget::Kind::PeakStage)
        return check.peakStage <= target.peakStage;
    return check.meetsPreDev.value_or(false);
}

} // namespace

const SizingRange& sizingRange(SizedValue value) {
    return value == SizedValue::Opening ? kOpeningRange : kPondAreaRange;
}

bool meetsTarget(const ResultsRun& run, const SizingRequest& request) {
    for (int p = 0; p < kReturnPeriodCount; ++p) {
        if (request.events[static_cast<std::size_t>(p)] &&
            !meetsInEvent(checkEvent(run, p), request.target))
            return false;
    }
    return true;
}

DesignInputs withSizedValue(DesignInputs inputs, SizedValue value, double size) {
    if (value == SizedValue::Opening)
        inputs.openingSize = size;
    else
        inputs.pondArea = size;
    return inputs;
}

bool largerValueMeetsSooner(const SizingRequest& request) {
    return !(request.value == SizedValue::Opening &&
             request.target.kind == SizingTarget::Kind::PreDevelopmentRate);
}

SizingResult sizeDesign(const DesignInputs& inputs, const CapturedTables& captured,
                        const SizingRequest& request, const FormatSettings& settings) {
    if (request.value == SizedValue::Opening &&
        inputs.dischargeMethod == DischargeMethod::StageDischargeTable)
        throw SizingError("A stage-discharge table outlet has no opening to size: size the pond "
                          "area instead, or change the table");
    const StepGrid grid(sizingRange(request.value));
    const double current =
        request.value == SizedValue::Opening ? inputs.openingSize : inputs.pondArea;
    Trials trials(inputs, captured, request, settings, grid);
    SizingResult result;
    const std::optional<long long> index = nearestMeeting(
        trials, grid, grid.nearest(current), largerValueMeetsSooner(request), result.atRangeEnd);
    if (index)
        result.value = grid.value(*index);
    result.runs = trials.runs();
    result.firstFailedRun = trials.firstFailure();
    return result;
}

} // namespace velmora
