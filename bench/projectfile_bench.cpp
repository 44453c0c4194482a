// Writing and reading a project file with a long rainfall table and stage-discharge table.
#include "projectfile/projectfile.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using namespace velmora;

ProjectValues longProject(int rows) {
    ProjectValues values;
    values.description = "Benchmark pond";
    values.date = Date{std::chrono::year{2026}, std::chrono::December, std::chrono::day{11}};
    values.projectNumber = "B-1";
    values.intensityMethod = 0;
    values.userIntensities = {4.1, 4.6, 5.4, 6.0, 6.6};
    for (int k = 0; k < rows; ++k) {
        const double t = 24.0 * (k + 1) / rows;
        values.rainfallRows.push_back({t, 4 * t / (t + 2), 5 * t / (t + 2), 6 * t / (t + 2),
                                       7 * t / (t + 2), 8 * t / (t + 2)});
    }
    values.siteValues = {12.5, 12.5, 0.25, 0.65, 45, 1.2, 24, 0.1};
    values.dischargeMethod = 3;
    for (int i = 0; i < rows; ++i)
        values.stagePairs.emplace_back(24 + 0.01 * i, 0.05 * i);
    return values;
}

void BM_WriteProjectFile(benchmark::State& state) {
    const ProjectValues values = longProject(static_cast<int>(state.range(0)));
    const auto path = std::filesystem::temp_directory_path() / "velmora-bench-write.vlm";
    const FormatSettings settings;
    for (auto _ : state)
        writeProjectFile(path, values, settings);
    std::filesystem::remove(path);
}

void BM_ReadProjectFile(benchmark::State& state) {
    const auto path = std::filesystem::temp_directory_path() / "velmora-bench-read.vlm";
    const FormatSettings settings;
    writeProjectFile(path, longProject(static_cast<int>(state.range(0))), settings);
    for (auto _ : state) {
        ReadResult read = readProjectFile(path, settings);
        benchmark::DoNotOptimize(read.words.rainfallRows.data());
    }
    std::filesystem::remove(path);
}

} // namespace

BENCHMARK(BM_WriteProjectFile)->Arg(13)->Arg(1440)->Arg(17280);
BENCHMARK(BM_ReadProjectFile)->Arg(13)->Arg(1440)->Arg(17280);
