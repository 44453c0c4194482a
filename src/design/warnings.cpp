#include "design/warnings.h"

#include "engine/basincalcs.h"

#include <cmath>
#include <cstddef>

namespace velmora {

namespace {

constexpr double kMinutesPerHour = 60.0; // min per h

struct Numbers {
    const FormatSettings& settings;

    std::string general(double value) const { return FloatToStr(value, settings); }
    std::string fixed(double value, int digits) const {
        return FloatToStrF(value, ffFixed, 15, digits, settings);
    }
};

std::string eventName(int returnPeriod) {
    return std::to_string(kReturnPeriodYears[static_cast<std::size_t>(returnPeriod)]) + "-year";
}

std::string rowName(int row) {
    return "rainfall row " + std::to_string(row + 1);
}

// A routed step as the user finds it in the output: "row 13 (24 hr)", or for sub-steps
// "sub-step 1381 of row 13 (23.017 hr)".
std::string stepName(const RoutedSteps& steps, int step, const Numbers& n) {
    const RoutingRow& row = steps.run.routing.event(rp5Year)[static_cast<std::size_t>(step)];
    if (!steps.subSteps)
        return "row " + std::to_string(step + 1) + " (" + n.general(row.duration) + " hr)";
    const int source = steps.sourceRows[static_cast<std::size_t>(step)];
    return "sub-step " + std::to_string(step + 1) + " of row " + std::to_string(source + 1) + " (" +
           n.fixed(row.duration, 3) + " hr)";
}

std::optional<int> sourceRowOf(const RoutedSteps& steps, int step) {
    const auto index = static_cast<std::size_t>(step);
    if (index < steps.sourceRows.size())
        return steps.sourceRows[index];
    return step;
}

void addDurationOrder(std::span<const RoutingRow> rows, const Numbers& n,
                      std::vector<DesignWarning>& warnings) {
    for (std::size_t k = 0; k < rows.size(); ++k) {
        if (rows[k].deltaT > 0.0)
            continue;
        const int row = static_cast<int>(k);
        const std::string previous =
            k == 0 ? "the storm's start at 0 hr"
                   : "row " + std::to_string(k) + "'s " + n.general(rows[k - 1].duration) + " hr";
        const std::string what = rows[k].deltaT == 0.0 ? " repeats " : " comes before ";
        warnings.push_back({WarningCode::DurationOrder,
                            rowName(row) + ": duration " + n.general(rows[k].duration) + " hr" +
                                what + previous + ", a step of " +
                                n.fixed(rows[k].deltaT * kMinutesPerHour, 1) + " min",
                            row, false});
    }
}

void addDepthDecrease(const RoutingTable& table, const Numbers& n,
                      std::vector<DesignWarning>& warnings) {
    for (int k = 0; k < table.rowCount; ++k) {
        std::string falls;
        for (int p = 0; p < kReturnPeriodCount; ++p) {
            const double deltaR = table.event(p)[static_cast<std::size_t>(k)].deltaR;
            if (!(deltaR < 0.0))
                continue;
            falls += (falls.empty() ? "" : ", ") + eventName(p) + " by " +
                     n.fixed(-deltaR * kInchesPerFoot, 3) + " in";
        }
        if (!falls.empty())
            warnings.push_back({WarningCode::DepthDecrease,
                                rowName(k) + ": the cumulative depth falls (" + falls +
                                    "), so the step's rain is negative",
                                k, false});
    }
}

void addControlBelowPool(const DesignInputs& in, const Numbers& n,
                         std::vector<DesignWarning>& warnings) {
    if (in.dischargeMethod == DischargeMethod::StageDischargeTable ||
        !(in.controlElev < in.permPoolElev))
        return;
    const std::string control = in.dischargeMethod == DischargeMethod::RectangularWeir
                                    ? "the weir crest"
                                    : "the orifice invert";
    warnings.push_back({WarningCode::ControlBelowPool,
                        control + " (" + n.general(in.controlElev) +
                            " ft) lies below the permanent pool (" + n.general(in.permPoolElev) +
                            " ft): the outlet flows even when the pond stores nothing",
                        std::nullopt, true});
}

// The first step holding the event's largest Stage-2, when it is the last step and the pond
// rose above its permanent pool.
bool peaksOnLastStep(std::span<const RoutingRow> rows, double permPoolElev) {
    if (rows.empty())
        return false;
    std::size_t peak = 0;
    for (std::size_t k = 1; k < rows.size(); ++k) {
        if (rows[k].stage2 > rows[peak].stage2)
            peak = k;
    }
    return peak + 1 == rows.size() && rows[peak].stage2 > permPoolElev;
}

} // namespace

const char* warningCodeName(WarningCode code) {
    switch (code) {
    case WarningCode::DurationOrder:
        return "duration-order";
    case WarningCode::DepthDecrease:
        return "depth-decrease";
    case WarningCode::ControlBelowPool:
        return "control-below-pool";
    case WarningCode::PeakOnLastRow:
        return "peak-on-last-row";
    case WarningCode::StorageClamped:
        return "storage-clamped";
    case WarningCode::ContinuityError:
        return "continuity-error";
    }
    return "unknown";
}

std::vector<DesignWarning> inputWarnings(const ResultsRun& tableRun,
                                         const FormatSettings& settings) {
    const Numbers n{settings};
    std::vector<DesignWarning> warnings;
    addDurationOrder(tableRun.routing.event(rp5Year), n, warnings);
    addDepthDecrease(tableRun.routing, n, warnings);
    addControlBelowPool(tableRun.inputs, n, warnings);
    return warnings;
}

std::vector<DesignWarning> eventWarnings(const RoutedSteps& steps,
                                         std::span<const MassBalance> balances,
                                         const FormatSettings& settings) {
    const Numbers n{settings};
    std::vector<DesignWarning> warnings;
    for (const MassBalance& balance : balances) {
        const int p = balance.returnPeriod;
        const std::span<const RoutingRow> rows = steps.run.routing.event(p);
        const std::string event = eventName(p) + " event: ";
        if (peaksOnLastStep(rows, steps.run.inputs.permPoolElev)) {
            const int last = static_cast<int>(rows.size()) - 1;
            warnings.push_back({WarningCode::PeakOnLastRow,
                                event + "the peak stage (" + n.fixed(rows.back().stage2, 2) +
                                    " ft) is reached on the last step, " +
                                    stepName(steps, last, n) +
                                    ": the storm may be too short to show the true peak",
                                sourceRowOf(steps, last), false});
        }
        if (balance.firstClampedRow) {
            const int first = *balance.firstClampedRow;
            const std::string count =
                balance.clampedStepCount == 1
                    ? "1 step removes"
                    : std::to_string(balance.clampedStepCount) + " steps remove";
            warnings.push_back({WarningCode::StorageClamped,
                                event + count + " more water than the pond holds, first " +
                                    stepName(steps, first, n) +
                                    "; the storage is held at 0 and the " +
                                    n.fixed(balance.clampedVolume, 4) +
                                    " ac-ft removed beyond it is the continuity error",
                                sourceRowOf(steps, first), false});
        }
        if (balance.continuityErrorPercent &&
            std::fabs(*balance.continuityErrorPercent) > kContinuityWarningPercent)
            warnings.push_back(
                {WarningCode::ContinuityError,
                 event + "the continuity error is " + n.fixed(*balance.continuityErrorPercent, 2) +
                     " % of the inflow (" + n.fixed(balance.continuityError, 4) + " ac-ft)",
                 std::nullopt, false});
    }
    return warnings;
}

} // namespace velmora
