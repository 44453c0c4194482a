#include "design/massbalance.h"

#include "engine/basincalcs.h"

#include <cmath>
#include <cstddef>

namespace velmora {

namespace {

constexpr double kPercent = 100.0; // percent per whole

} // namespace

MassBalance massBalance(std::span<const RoutingRow> rows, int returnPeriod) {
    MassBalance balance;
    balance.returnPeriod = returnPeriod;
    double storage = 0.0; // acre-feet at the end of the previous step
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const RoutingRow& row = rows[k];
        balance.inflow += row.inflowVol;
        balance.outletVolume += outletVolume(row.discharge, row.deltaT);
        balance.infiltration += row.infiltrationVol;
        // The routing adds the step's increment to the storage and holds a negative result
        // at 0: what lies below 0 left the pond without ever being in it.
        const double unclamped = storage + row.incremVol;
        if (unclamped < 0.0) {
            if (!balance.firstClampedRow)
                balance.firstClampedRow = static_cast<int>(k);
            ++balance.clampedStepCount;
            balance.clampedVolume -= unclamped;
        }
        storage = row.cumVol;
    }
    balance.finalStorage = storage;
    balance.continuityError =
        balance.inflow - balance.outletVolume - balance.infiltration - balance.finalStorage;
    if (balance.inflow != 0.0)
        balance.continuityErrorPercent =
            balance.continuityError / std::fabs(balance.inflow) * kPercent;
    return balance;
}

} // namespace velmora
