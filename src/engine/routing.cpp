#include "engine/routing.h"

namespace velmora {

void RoutingSummary::take(const RoutingRow& row) {
    if (row.stage2 > peakStage)
        peakStage = row.stage2;
    if (row.outflow > peakOutflow)
        peakOutflow = row.outflow;
    if (row.volOut > peakVolOut)
        peakVolOut = row.volOut;
    if (row.cumVol > maxStorage)
        maxStorage = row.cumVol;
}

RoutingSummary summarize(std::span<const RoutingRow> rows) {
    RoutingSummary summary;
    for (const RoutingRow& row : rows)
        summary.take(row);
    return summary;
}

} // namespace velmora
