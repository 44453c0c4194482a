// The same storm routed on shorter steps: would finer steps change the peaks?
#pragma once

#include "engine/resultsrun.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace velmora {

// The longest storm the refinement splits: sub-steps per event. A day in one-minute steps is
// 1440; this allows some 139 days.
inline constexpr int kMaxSubStepsPerEvent = 200000;

// A sub-step length that is not a positive number, or a storm that would need more than
// kMaxSubStepsPerEvent sub-steps. what() is the message the user sees.
class RefinementError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A run routed on sub-steps. Its rows, rainfall table and summary are the sub-steps';
// sourceRows[i] is the rainfall row (from 0) that sub-step i of every event was split from.
struct RefinedRun {
    ResultsRun run;
    std::vector<int> sourceRows;
};

// How many equal sub-steps of at most `maxStepMinutes` a step of `stepHours` is split into;
// 1 for a step of zero or negative length. A step a hair longer than a whole number of
// sub-steps (a duration typed as 0.25 hours held as 0.2500000000000001) is not given one more.
int subStepCount(double stepHours, double maxStepMinutes);

// Routes the run's storm on sub-steps of at most `maxStepMinutes`: every rainfall row is split
// into equal sub-steps and its rain increment spread evenly over them (the cumulative depth
// interpolated linearly in time); then the run's stage scheme, outlet and infiltration are
// applied step by step, each event from an empty pond. Rows that need no split keep their
// values exactly. Throws RefinementError for a bad length or a storm too long to split, and
// RunError when the routing fails.
RefinedRun refinedRun(const ResultsRun& run, double maxStepMinutes);

} // namespace velmora
