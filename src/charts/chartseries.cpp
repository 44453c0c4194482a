#include "charts/chartseries.h"

#include "engine/basincalcs.h"

#include <span>
#include <stdexcept>
#include <string>

namespace velmora {

namespace {

// The mean rate in cfs of `acreFeet` arriving over `hours`.
double ratePerSecond(double acreFeet, double hours) {
    return acreFeet * kSquareFeetPerAcre / (hours * kSecondsPerHour);
}

// Each step of positive length as a level line from its start (the previous row's duration,
// 0 for the first row) to its end, at the value `rateOf` gives for its row.
template <class RateOf>
std::vector<ChartPoint> stepLine(std::span<const RoutingRow> rows, RateOf rateOf) {
    std::vector<ChartPoint> points;
    points.reserve(2 * rows.size());
    double start = 0.0; // hours
    for (const RoutingRow& row : rows) {
        if (row.deltaT > 0) {
            const double rate = rateOf(row);
            points.push_back({start, rate});
            points.push_back({row.duration, rate});
        }
        start = row.duration;
    }
    return points;
}

// The rows of one event; throws std::out_of_range for an event the run has not routed.
std::span<const RoutingRow> eventRows(const ResultsRun& run, int event) {
    const RoutingTable& table = run.routing;
    const bool routed = event >= 0 && event < kReturnPeriodCount &&
                        table.rows.size() >= static_cast<std::size_t>(event + 1) *
                                                 static_cast<std::size_t>(table.rowCount);
    if (!routed)
        throw std::out_of_range("the run holds no event " + std::to_string(event));
    return table.event(event);
}

} // namespace

std::vector<ChartPoint> inflowRateSeries(const ResultsRun& run, int event) {
    return stepLine(eventRows(run, event),
                    [](const RoutingRow& row) { return ratePerSecond(row.inflowVol, row.deltaT); });
}

std::vector<ChartPoint> outletRateSeries(const ResultsRun& run, int event) {
    return stepLine(eventRows(run, event), [](const RoutingRow& row) { return row.outflow; });
}

std::vector<ChartPoint> stageSeries(const ResultsRun& run, int event) {
    const std::span<const RoutingRow> rows = eventRows(run, event);
    std::vector<ChartPoint> points;
    points.reserve(rows.size() + 1);
    points.push_back({0.0, run.inputs.permPoolElev});
    for (const RoutingRow& row : rows)
        points.push_back({row.duration, row.stage2});
    return points;
}

std::optional<double> controlElevation(const DesignInputs& inputs) {
    if (inputs.dischargeMethod == DischargeMethod::StageDischargeTable)
        return std::nullopt;
    return inputs.controlElev;
}

} // namespace velmora
