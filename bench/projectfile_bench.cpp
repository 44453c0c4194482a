// Writing and reading a project file with a long rainfall table and stage-discharge table.
#include "projectfile/projectfile.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <string>

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

constexpr std::size_t kBytesPerMegabyte = 1'000'000;

// The example's text with `spacing` between its site values and its discharge method.
std::string exampleWith(const std::string& spacing) {
    std::string text = formatProjectFile(longProject(13), FormatSettings{});
    const std::size_t methodLine = text.find("\r\n3\r\n");
    text.insert(methodLine, spacing);
    return text;
}

// Megabytes of blanks and line ends between two words: the time should grow with the size
// and nothing else.
void BM_ParseWhiteSpace(benchmark::State& state) {
    std::string spacing;
    const auto bytes = static_cast<std::size_t>(state.range(0)) * kBytesPerMegabyte;
    while (spacing.size() < bytes)
        spacing += " \t\r\n";
    const std::string text = exampleWith(spacing);
    const FormatSettings settings;
    for (auto _ : state) {
        ReadResult read = parseProjectFile(text, settings);
        benchmark::DoNotOptimize(read.words.stagePairs.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

// One word of megabytes: refused once it passes kMaxProjectWordLength, whatever its length.
void BM_RefuseLongWord(benchmark::State& state) {
    const auto bytes = static_cast<std::size_t>(state.range(0)) * kBytesPerMegabyte;
    const std::string text = exampleWith(" " + std::string(bytes, '7'));
    const FormatSettings settings;
    for (auto _ : state) {
        ReadResult read = parseProjectFile(text, settings);
        benchmark::DoNotOptimize(read.error.data());
    }
}

} // namespace

BENCHMARK(BM_WriteProjectFile)->Arg(13)->Arg(1440)->Arg(17280);
BENCHMARK(BM_ReadProjectFile)->Arg(13)->Arg(1440)->Arg(17280)->Arg(100000);
BENCHMARK(BM_ParseWhiteSpace)->Arg(1)->Arg(16)->Arg(64);
BENCHMARK(BM_RefuseLongWord)->Arg(1)->Arg(100);
