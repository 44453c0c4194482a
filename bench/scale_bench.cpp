// Long tables, whole process: a rainfall table of 1,000, 10,000 and 100,000 rows read, routed
// and reported as a PDF of many sheets. The time and the peak memory must grow with the table,
// no faster.
#include "process.h"
#include "projectfile/projectfile.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>

namespace velmora {
namespace {

namespace fs = std::filesystem;

// A 96-hour storm cut into `rows` rows, the site and weir of the worked example.
ProjectValues longStorm(int rows) {
    ProjectValues values;
    values.description = "Long storm";
    values.date = std::chrono::year{2007} / std::chrono::March / 15;
    values.projectNumber = "L-1";
    values.userIntensities = {4.5, 5.2, 6.1, 6.8, 7.5};
    constexpr double kStormHours = 96.0;
    for (int k = 1; k <= rows; ++k) {
        const double hours = kStormHours * k / rows;
        std::array<double, 6> row{hours};
        for (int p = 0; p < 5; ++p)
            row[static_cast<std::size_t>(p) + 1] = (3.0 + p) * std::sqrt(hours / kStormHours) + 0.5;
        values.rainfallRows.push_back(row);
    }
    values.siteValues = {10, 10, 0.2, 0.85, 60, 0.75, 25, 0.5};
    values.dischargeMethod = 0;
    values.outletValues = {26.5, 3.33, 0, 12};
    return values;
}

void BM_ReportOfALongTableWholeProcess(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const fs::path folder = fs::temp_directory_path() / ("velmora-scale-" + std::to_string(rows));
    fs::create_directories(folder);
    const fs::path project = folder / "long.vlm";
    writeProjectFile(project, longStorm(rows), FormatSettings{});
    const fs::path pdf = folder / "long.pdf";
    long peak = 0;
    for (auto _ : state) {
        const bench::ProgramRun run = bench::runProgramMeasured(
            {VELMORA_CLI_PATH, "report", project.string(), "-o", pdf.string()});
        if (run.status != 0)
            state.SkipWithError("velmora-cli report did not exit with 0");
        peak = std::max(peak, run.peakKiloBytes);
    }
    state.counters["peak_kB"] = static_cast<double>(peak);
    state.counters["rows"] = rows;
    fs::remove_all(folder);
}

} // namespace
} // namespace velmora

BENCHMARK(velmora::BM_ReportOfALongTableWholeProcess)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kSecond);
