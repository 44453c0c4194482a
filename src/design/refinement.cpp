#include "design/refinement.h"

#include "engine/basincalcs.h"
#include "engine/calculationerror.h"

#include <cmath>
#include <cstddef>
#include <sstream>
#include <utility>

namespace velmora {

namespace {

constexpr double kMinutesPerHour = 60.0; // min per h
// Of a sub-step: how far a step may run past a whole number of sub-steps and still count as
// that number, so the rounding of typed durations never adds a sliver of a sub-step.
constexpr double kSubStepSlack = 1e-9;

std::string minutesText(double minutes) {
    std::ostringstream text;
    text << minutes;
    return text.str();
}

// The sub-steps of every event, the same for all five: their lengths, end times and rows.
struct SubSteps {
    std::vector<int> counts; // per rainfall row
    std::vector<double> deltaT;
    std::vector<double> durations;
    std::vector<int> sourceRows;
};

SubSteps subStepsOf(std::span<const RoutingRow> rows, double maxStepMinutes) {
    SubSteps steps;
    long long total = 0;
    for (const RoutingRow& row : rows) {
        steps.counts.push_back(subStepCount(row.deltaT, maxStepMinutes));
        total += steps.counts.back();
        if (total > kMaxSubStepsPerEvent)
            throw RefinementError("Sub-steps of at most " + minutesText(maxStepMinutes) +
                                  " min would split the storm into more than " +
                                  std::to_string(kMaxSubStepsPerEvent) + " steps");
    }
    const auto count = static_cast<std::size_t>(total);
    steps.deltaT.reserve(count);
    steps.durations.reserve(count);
    steps.sourceRows.reserve(count);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const RoutingRow& row = rows[k];
        const int parts = steps.counts[k];
        const double start = k == 0 ? 0.0 : rows[k - 1].duration;
        for (int j = 1; j <= parts; ++j) {
            steps.deltaT.push_back(row.deltaT / parts);
            // The last sub-step ends on the row's own duration, not on a sum that rounds.
            steps.durations.push_back(j == parts ? row.duration : start + row.deltaT * j / parts);
            steps.sourceRows.push_back(static_cast<int>(k));
        }
    }
    return steps;
}

// Each event's rain increments spread evenly over the sub-steps of their rows, and the
// cumulative depth at the end of every sub-step: the row's depth less the rain still to fall
// in the row's later sub-steps.
void spreadRain(const RoutingTable& table, const SubSteps& steps, std::vector<double>& deltaR,
                RainfallTable& rainfall) {
    for (int p = 0; p < kReturnPeriodCount; ++p) {
        const std::span<const RoutingRow> rows = table.event(p);
        auto& depths = rainfall.depths[static_cast<std::size_t>(p)];
        for (std::size_t k = 0; k < rows.size(); ++k) {
            const int parts = steps.counts[k];
            const double rowRainInches = rows[k].deltaR * kInchesPerFoot;
            for (int j = 1; j <= parts; ++j) {
                deltaR.push_back(rows[k].deltaR / parts);
                depths.push_back(rows[k].rainfall -
                                 rowRainInches * static_cast<double>(parts - j) / parts);
            }
        }
    }
}

} // namespace

int subStepCount(double stepHours, double maxStepMinutes) {
    if (!(stepHours > 0.0))
        return 1;
    const double parts = std::ceil(stepHours * kMinutesPerHour / maxStepMinutes - kSubStepSlack);
    if (!(parts <= static_cast<double>(kMaxSubStepsPerEvent)))
        return kMaxSubStepsPerEvent + 1;
    return parts < 1.0 ? 1 : static_cast<int>(parts);
}

RefinedRun refinedRun(const ResultsRun& run, double maxStepMinutes) {
    if (!(maxStepMinutes > 0.0) || !std::isfinite(maxStepMinutes))
        throw RefinementError("The sub-step must be a positive number of minutes");
    const SubSteps steps = subStepsOf(run.routing.event(rp5Year), maxStepMinutes);
    const auto count = steps.deltaT.size();

    RefinedRun refined;
    refined.run.inputs = run.inputs;
    refined.run.stageDischarge = run.stageDischarge;
    refined.run.maxDuration = run.maxDuration;
    refined.run.infiltrationRate = run.infiltrationRate;
    refined.run.eventExponent = run.eventExponent;
    refined.run.eventLabel = run.eventLabel;
    refined.run.eventUserIntensity = run.eventUserIntensity;
    refined.run.preDevRate = run.preDevRate;

    RainfallTable& rainfall = refined.run.rainfall;
    rainfall.rowCount = static_cast<int>(count);
    rainfall.durations = steps.durations;
    std::vector<double> deltaR;
    deltaR.reserve(count * kReturnPeriodCount);
    spreadRain(run.routing, steps, deltaR, rainfall);

    std::vector<RoutingRow> rows;
    try {
        const basinCalcs engine = routingEngineFor(run.inputs);
        const std::vector<double> infiltration =
            basinCalcs::infiltrationVolumes(steps.deltaT, run.infiltrationRate);
        rows = engine.route(steps.deltaT, infiltration, engine.inflowVolumes(deltaR),
                            run.inputs.dischargeMethod, run.stageDischarge);
    } catch (const CalculationError& error) {
        throw RunError(error.what());
    }
    for (std::size_t m = 0; m < rows.size(); ++m) {
        const std::size_t p = m / count;
        const std::size_t i = m % count;
        rows[m].duration = steps.durations[i];
        rows[m].rainfall = rainfall.depths[p][i];
        rows[m].deltaR = deltaR[m];
    }
    refined.run.routing.rowCount = static_cast<int>(count);
    refined.run.routing.rows = std::move(rows);
    refined.run.summary = summarize(refined.run.routing.event(refined.run.inputs.designEvent));
    refined.sourceRows = steps.sourceRows;
    return refined;
}

} // namespace velmora
