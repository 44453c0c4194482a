#include "engine/dischrate.h"

#include "engine/calculationerror.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace velmora {

namespace {

// Weir flow over a crest: the shared part of the weir and of both orifices below their centre
// line. Zero or negative heads give 0 before any power is taken.
double weirOverCrest(double head, double weirCoef, double length, double endContractions) {
    if (head <= 0.0)
        return 0.0;
    const double effectiveLength = length - kEndContractionFactor * endContractions * head;
    return weirCoef * effectiveLength * std::pow(head, kWeirExponent);
}

// Orifice flow on the head above the centre line; only called with a positive head.
double orificeFlow(double orifCoef, double area, double headAboveCentre) {
    return orifCoef * area * std::sqrt(kTwiceGravity * headAboveCentre);
}

constexpr std::size_t kNoSegment = 0;

std::size_t pairCountOf(const StageDischargeTable& table) {
    const std::size_t stored = std::min(table.stages.size(), table.discharges.size());
    return table.pairCount <= 0 ? 0 : std::min(stored, static_cast<std::size_t>(table.pairCount));
}

} // namespace

FirstBracketIndex::FirstBracketIndex(std::span<const double> stages)
    : points_(stages.begin(), stages.end()) {
    std::sort(points_.begin(), points_.end());
    points_.erase(std::unique(points_.begin(), points_.end()), points_.end());
    if (points_.empty())
        return;
    cells_ = 2 * points_.size() - 1;
    constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();
    firstOver_.assign(2 * cells_, kNone);
    // Each segment marks the tree nodes that together cover its cells exactly; a look-up
    // takes the smallest mark on the way from the stage's leaf to the root.
    for (std::size_t i = 1; i < stages.size(); ++i) {
        if (!(stages[i - 1] <= stages[i]))
            continue; // a falling segment brackets no stage
        std::size_t left = cellOf(stages[i - 1]) + cells_;
        std::size_t right = cellOf(stages[i]) + cells_ + 1;
        while (left < right) {
            if (left % 2 == 1) {
                firstOver_[left] = std::min(firstOver_[left], i);
                ++left;
            }
            if (right % 2 == 1) {
                --right;
                firstOver_[right] = std::min(firstOver_[right], i);
            }
            left /= 2;
            right /= 2;
        }
    }
    for (std::size_t& node : firstOver_)
        node = node == kNone ? kNoSegment : node;
}

std::size_t FirstBracketIndex::cellOf(double stage) const {
    const auto at = std::lower_bound(points_.begin(), points_.end(), stage);
    const auto j = static_cast<std::size_t>(at - points_.begin());
    if (at != points_.end() && *at == stage)
        return 2 * j;
    return 2 * j - 1; // only asked for stages strictly inside the table's range
}

std::size_t FirstBracketIndex::find(double stage) const {
    if (points_.empty() || !(points_.front() <= stage && stage <= points_.back()))
        return kNoSegment;
    std::size_t node = cellOf(stage) + cells_;
    std::size_t first = firstOver_[node];
    for (node /= 2; node >= 1; node /= 2) {
        const std::size_t mark = firstOver_[node];
        if (mark != kNoSegment && (first == kNoSegment || mark < first))
            first = mark;
    }
    return first;
}

dischRate::dischRate(const StageDischargeTable& table)
    : stages_(table.stages.data(), pairCountOf(table)),
      discharges_(table.discharges.data(), pairCountOf(table)),
      ascending_(std::is_sorted(stages_.begin(), stages_.end())) {
    if (!ascending_)
        unordered_ = FirstBracketIndex(stages_);
}

double dischRate::weirFlow(double stage, double weirCoef, double weirLength, double endContractions,
                           double crestElev) {
    return weirOverCrest(stage - crestElev, weirCoef, weirLength, endContractions);
}

double dischRate::circOrifFlow(double stage, double weirCoef, double diameter, double invertElev,
                               double orifCoef) {
    const double centreLine = invertElev + diameter / 2.0;
    if (centreLine >= stage)
        return weirOverCrest(stage - invertElev, weirCoef, diameter, 0.0);
    const double area = diameter * diameter * kPi * kCircleAreaFactor;
    return orificeFlow(orifCoef, area, stage - centreLine);
}

double dischRate::rectOrifFlow(double stage, double weirCoef, double width, double height,
                               double endContractions, double invertElev, double orifCoef) {
    const double centreLine = invertElev + height / 2.0;
    if (centreLine >= stage)
        return weirOverCrest(stage - invertElev, weirCoef, width, endContractions);
    return orificeFlow(orifCoef, width * height, stage - centreLine);
}

double dischRate::tableFlow(double stage) const {
    if (stages_.size() < 2)
        return 0.0;
    if (ascending_)
        return firstBracketingSearch(stage);
    const std::size_t segment = unordered_.find(stage);
    return segment == kNoSegment ? 0.0 : interpolate(segment, stage);
}

// With stages that never decrease, the first segment i whose upper stage reaches `stage` is
// the first bracketing one, provided its lower stage does not lie above `stage`: every earlier
// segment ends below the stage.
double dischRate::firstBracketingSearch(double stage) const {
    const auto upper = std::lower_bound(stages_.begin() + 1, stages_.end(), stage);
    if (upper == stages_.end())
        return 0.0;
    const auto segment = static_cast<std::size_t>(upper - stages_.begin());
    if (stages_[segment - 1] > stage)
        return 0.0;
    return interpolate(segment, stage);
}

double dischRate::interpolate(std::size_t segment, double stage) const {
    const double lowStage = stages_[segment - 1];
    const double span = stages_[segment] - lowStage;
    if (span == 0.0)
        throw CalculationError("division by zero (stage-discharge pairs " +
                               std::to_string(segment) + " and " + std::to_string(segment + 1) +
                               " have the same stage)");
    const double lowDischarge = discharges_[segment - 1];
    return lowDischarge + (stage - lowStage) / span * (discharges_[segment] - lowDischarge);
}

} // namespace velmora
