// The design check at the scale it is used: `velmora-cli design` over a thousand project
// files as one whole process, and the sizing of the example pond's opening and area.
#include "process.h"

#include "design/designcheck.h"
#include "design/sizing.h"
#include "projectcontrols/projectcontrols.h"
#include "projectfile/projectfile.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace velmora;

const fs::path kExample = fs::path(VELMORA_EXAMPLES_DIR) / "detention-pond.vlm";

// Copies of the example in a scratch folder that goes when the benchmark ends.
class ExampleCopies {
  public:
    explicit ExampleCopies(int count)
        : folder_(fs::temp_directory_path() /
                  ("velmora-bench-design-" + std::to_string(getpid()))) {
        fs::create_directories(folder_);
        for (int i = 0; i < count; ++i) {
            const fs::path copy = folder_ / ("pond-" + std::to_string(i) + ".vlm");
            fs::copy_file(kExample, copy, fs::copy_options::overwrite_existing);
            paths_.push_back(copy.string());
        }
    }
    ~ExampleCopies() { fs::remove_all(folder_); }
    const std::vector<std::string>& paths() const { return paths_; }

  private:
    fs::path folder_;
    std::vector<std::string> paths_;
};

void BM_DesignCommandWholeProcess(benchmark::State& state) {
    const ExampleCopies copies(static_cast<int>(state.range(0)));
    std::vector<std::string> args{VELMORA_CLI_PATH, "design"};
    args.insert(args.end(), copies.paths().begin(), copies.paths().end());
    for (auto _ : state) {
        if (bench::runProgram(args) != 0)
            state.SkipWithError("velmora-cli design did not exit with 0");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

struct ExampleProject {
    DesignInputs inputs;
    CapturedTables captured;
    ResultsRun run;
};

ExampleProject openExample() {
    const FormatSettings settings;
    OpenedProject opened = openIntoControls(readProjectFile(kExample, settings));
    ExampleProject project;
    project.captured = captureOpenedProject(opened, settings);
    project.run = performResultsRun(opened.controls, project.captured, settings);
    project.inputs = project.run.inputs;
    return project;
}

void BM_DesignCheckOfTheExample(benchmark::State& state) {
    const ExampleProject example = openExample();
    const std::optional<double> step =
        state.range(0) > 0 ? std::optional<double>(static_cast<double>(state.range(0)))
                           : std::nullopt;
    for (auto _ : state) {
        DesignCheck check = checkDesign(example.run, step, FormatSettings{});
        benchmark::DoNotOptimize(check.balances.data());
    }
}

void BM_SizeTheExample(benchmark::State& state, SizedValue value, SizingTarget target) {
    const ExampleProject example = openExample();
    SizingRequest request;
    request.value = value;
    request.target = target;
    int runs = 0;
    for (auto _ : state) {
        const SizingResult result =
            sizeDesign(example.inputs, example.captured, request, FormatSettings{});
        runs = result.runs;
        benchmark::DoNotOptimize(result.value);
    }
    state.counters["runs"] = runs;
}

} // namespace

BENCHMARK(BM_DesignCommandWholeProcess)->Arg(1000)->UseRealTime()->Unit(benchmark::kMillisecond);
// 0: on the table's rows; 1: on one-minute sub-steps.
BENCHMARK(BM_DesignCheckOfTheExample)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SizeTheExample, opening_predev, SizedValue::Opening, SizingTarget{})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SizeTheExample, pond_stage, SizedValue::PondArea,
                  SizingTarget{SizingTarget::Kind::PeakStage, 25.5})
    ->Unit(benchmark::kMicrosecond);
