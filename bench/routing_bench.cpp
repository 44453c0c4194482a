// A results run against a bare loop doing the same per-step arithmetic, so the cost of the
// engine's structure shows as a ratio measured in one run.
#include "engine/capture.h"
#include "engine/resultsrun.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace velmora;

constexpr double kHoursPerDay = 24.0;
constexpr int kTablePairs = 1000;
constexpr int kFallingTablePairs = 10000;

// Table: stages in ascending order, looked up by binary search. FallingTable: every stage below
// the one before it, so no segment brackets a stage: what a scan of the segments found slowest.
enum class Outlet { Weir, Table, FallingTable };

// A storm of n equal steps over a day with a smooth cumulative rainfall curve.
RainfallTable dayStorm(int n) {
    RainfallTable table;
    table.rowCount = n;
    for (int k = 0; k < n; ++k) {
        const double t = kHoursPerDay * (k + 1) / n;
        table.durations.push_back(t);
        for (int p = 0; p < kReturnPeriodCount; ++p)
            table.depths[p].push_back((4.0 + p) * t / (t + 2.0));
    }
    return table;
}

StageDischargeTable longStageTable() {
    StageDischargeTable table;
    table.pairCount = kTablePairs;
    for (int i = 0; i < kTablePairs; ++i) {
        table.stages.push_back(24.0 + 0.01 * i);
        table.discharges.push_back(0.05 * i * std::sqrt(0.01 * i));
    }
    return table;
}

StageDischargeTable fallingStageTable() {
    StageDischargeTable table;
    table.pairCount = kFallingTablePairs;
    for (int i = 0; i < kFallingTablePairs; ++i) {
        table.stages.push_back(124.0 - 0.01 * i);
        table.discharges.push_back(0.0);
    }
    return table;
}

MainWindowControls pondControls(Outlet outlet) {
    MainWindowControls c;
    c.EditPreCondArea = "12.5";
    c.EditPostCondArea = "12.5";
    c.EditPreC = "0.25";
    c.EditPostC = "0.65";
    c.EditPreTc = "45";
    c.EditPSA = "1.2";
    c.EditpermpoolElev = "24";
    c.EditRPerm = "0.1";
    c.sgUsrNtnsty = {"4.1", "4.6", "5.4", "6", "6.6"};
    c.ComboBoxSelDischMethd = outlet == Outlet::Weir ? 0 : 3;
    c.EditWCEl = "24.5";
    c.EditWCoef = "3.33";
    c.EditNoEC = "2";
    c.EditWeirLength = "18";
    return c;
}

void BM_ResultsRun(benchmark::State& state, Outlet outlet) {
    const int n = static_cast<int>(state.range(0));
    CapturedTables captured;
    captured.rainfall = dayStorm(n);
    if (outlet == Outlet::Table)
        captured.stageDischarge = longStageTable();
    if (outlet == Outlet::FallingTable)
        captured.stageDischarge = fallingStageTable();
    const MainWindowControls controls = pondControls(outlet);
    const FormatSettings settings;
    for (auto _ : state) {
        ResultsRun run = performResultsRun(controls, captured, settings);
        benchmark::DoNotOptimize(run.summary.maxStorage);
    }
    state.SetItemsProcessed(state.iterations() * n * kReturnPeriodCount);
}

// The routing arithmetic alone: increments, volumes, two stages and two discharges per step,
// written straight into the output with no engine around it.
double weirFloor(double stage) {
    const double head = stage - 24.5;
    return head > 0 ? 3.33 * (1.5 - 0.1 * 2 * head) * std::pow(head, 1.5) : 0.0;
}

double tableFloor(const StageDischargeTable& t, double stage) {
    if (stage < t.stages.front() || stage > t.stages.back())
        return 0.0;
    auto it = std::lower_bound(t.stages.begin(), t.stages.end(), stage);
    std::size_t i = std::max<std::size_t>(1, static_cast<std::size_t>(it - t.stages.begin()));
    return t.discharges[i - 1] + (stage - t.stages[i - 1]) / (t.stages[i] - t.stages[i - 1]) *
                                     (t.discharges[i] - t.discharges[i - 1]);
}

void BM_BareLoop(benchmark::State& state, Outlet outlet) {
    const int n = static_cast<int>(state.range(0));
    const RainfallTable rain = dayStorm(n);
    const StageDischargeTable table = longStageTable();
    const double pondArea = 1.2, pool = 24.0, postAC = 12.5 * 0.65;
    const double infiltrationPerHour = pondArea * 43560 * (0.1 / 12) / 43560;
    auto discharge = [&](double stage) {
        return outlet == Outlet::Weir ? weirFloor(stage) : tableFloor(table, stage);
    };
    std::vector<double> out(static_cast<std::size_t>(14) * n * kReturnPeriodCount);
    for (auto _ : state) {
        double* o = out.data();
        for (int p = 0; p < kReturnPeriodCount; ++p) {
            double storage = 0, stage2 = pool, previousDepth = 0, previousTime = 0;
            for (int k = 0; k < n; ++k) {
                const double depth = rain.depths[p][k];
                const double deltaR = (depth - previousDepth) / 12;
                const double deltaT = rain.durations[k] - previousTime;
                previousDepth = depth < 0 ? 0 : depth;
                previousTime = rain.durations[k];
                const double inflow = deltaR * postAC;
                const double infiltration = deltaT * infiltrationPerHour;
                double stage1 =
                    (k == 0 ? pool + inflow / pondArea : stage2 + 0.5 * inflow / pondArea);
                stage1 = std::max(stage1, pool);
                const double q1 = discharge(stage1);
                const double outflowVol = q1 * deltaT * 3600 / 43560 + infiltration;
                storage = std::max(0.0, storage + inflow - outflowVol);
                stage2 = std::max(pool, storage / pondArea + pool);
                const double q2 = discharge(stage2);
                const double row[14] = {rain.durations[k],
                                        depth,
                                        deltaT,
                                        deltaR,
                                        inflow,
                                        stage1,
                                        q1,
                                        outflowVol,
                                        inflow - outflowVol,
                                        storage,
                                        stage2,
                                        q2,
                                        q2 * deltaT * 3600 / 43560,
                                        infiltration};
                o = std::copy(std::begin(row), std::end(row), o);
            }
        }
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * n * kReturnPeriodCount);
}

} // namespace

BENCHMARK_CAPTURE(BM_ResultsRun, weir, Outlet::Weir)->Arg(13)->Arg(1440)->Arg(17280);
BENCHMARK_CAPTURE(BM_BareLoop, weir, Outlet::Weir)->Arg(13)->Arg(1440)->Arg(17280);
BENCHMARK_CAPTURE(BM_ResultsRun, table1000, Outlet::Table)->Arg(13)->Arg(1440)->Arg(17280);
BENCHMARK_CAPTURE(BM_BareLoop, table1000, Outlet::Table)->Arg(13)->Arg(1440)->Arg(17280);
BENCHMARK_CAPTURE(BM_ResultsRun, fallingTable10000, Outlet::FallingTable)->Arg(1440)->Arg(100000);
