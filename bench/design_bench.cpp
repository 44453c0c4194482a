// The design check at the scale it is used: `velmora-cli design` over a thousand project
// files as one whole process, and the sizing of the example pond's opening and area.
#include "design/designcheck.h"
#include "design/sizing.h"
#include "projectcontrols/projectcontrols.h"
#include "projectfile/projectfile.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

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

// Runs the program with its output thrown away; returns its exit status.
int runProgram(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error("velmora-cli could not be started");
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void BM_DesignCommandWholeProcess(benchmark::State& state) {
    const ExampleCopies copies(static_cast<int>(state.range(0)));
    std::vector<std::string> args{VELMORA_CLI_PATH, "design"};
    args.insert(args.end(), copies.paths().begin(), copies.paths().end());
    for (auto _ : state) {
        if (runProgram(args) != 0)
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
