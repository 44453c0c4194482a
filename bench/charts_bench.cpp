// The hydrographs of a day-long storm in one-minute rows (1,440 a event): one chart rendered
// to PNG in the process, the plot of both charts written as a PNG file, and `velmora-cli plot`
// as a whole process.
#include "process.h"

#include "charts/hydrographs.h"
#include "design/designcheck.h"
#include "projectcontrols/projectcontrols.h"
#include "projectfile/projectfile.h"
#include "report/plotfiles.h"

#include <QBuffer>
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace velmora;

constexpr int kDayMinutes = 1440;          // rows of the storm, one a minute
constexpr double kHoursPerDay = 24.0;      // h
constexpr int kChartWidth = 700;           // pixels: one chart, as in the plot's PNG
constexpr int kChartHeight = 674;          // pixels
constexpr double kRainfallSpreadHours = 2; // h: the cumulative curve's half-depth time

// The example's retail site and weir with a smooth day-long storm of `rows` equal steps.
ProjectValues dayStormProject(int rows) {
    ProjectValues values;
    values.description = "Benchmark pond, one-minute storm";
    values.date = Date{std::chrono::year{2026}, std::chrono::December, std::chrono::day{11}};
    values.projectNumber = "B-1440";
    values.intensityMethod = 0;
    values.userIntensities = {4.1, 4.6, 5.4, 6.0, 6.6};
    for (int k = 0; k < rows; ++k) {
        const double t = kHoursPerDay * (k + 1) / rows;
        const double share = t / (t + kRainfallSpreadHours);
        values.rainfallRows.push_back({t, 4 * share, 5 * share, 6 * share, 7 * share, 8 * share});
    }
    values.siteValues = {12.5, 12.5, 0.25, 0.65, 45, 1.2, 24, 0.1};
    values.dischargeMethod = 0;
    values.outletValues = {24.5, 3.33, 2, 18}; // crest ft, coefficient, end contractions, in
    return values;
}

// The project written to a scratch file that goes when the benchmark ends.
class DayStormFile {
  public:
    DayStormFile()
        : path_(fs::temp_directory_path() /
                ("velmora-bench-plot-" + std::to_string(getpid()) + ".vlm")) {
        writeProjectFile(path_, dayStormProject(kDayMinutes), FormatSettings{});
    }
    ~DayStormFile() { fs::remove(path_); }
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

DesignCheck dayStormCheck(const fs::path& path) {
    const FormatSettings settings;
    OpenedProject opened = openIntoControls(readProjectFile(path, settings));
    const CapturedTables captured = captureOpenedProject(opened, settings);
    return checkDesign(performResultsRun(opened.controls, captured, settings), std::nullopt,
                       settings);
}

void BM_FlowChartToPngInProcess(benchmark::State& state) {
    ensureWidgetApplication();
    const DayStormFile file;
    const DesignCheck check = dayStormCheck(file.path());
    for (auto _ : state) {
        QGraphicsScene scene(0, 0, kChartWidth, kChartHeight);
        QChart* chart = createFlowChart(check, ChartEvents::one(rp25Year)).release();
        scene.addItem(chart);
        chart->setGeometry(QRectF(0, 0, kChartWidth, kChartHeight));
        chart->layout()->activate();
        QImage image(kChartWidth, kChartHeight, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        scene.render(&painter);
        painter.end();
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        QImageWriter(&png, "png").write(image);
        benchmark::DoNotOptimize(png.data().size());
    }
}

void BM_PlotPngInProcess(benchmark::State& state) {
    ensureWidgetApplication();
    const DayStormFile file;
    const DesignCheck check = dayStormCheck(file.path());
    const fs::path out = fs::path(file.path()).replace_extension(".png");
    for (auto _ : state)
        writePlotPng(out, check, ChartEvents::one(rp25Year), FormatSettings{});
    fs::remove(out);
}

void BM_PlotCommandWholeProcess(benchmark::State& state) {
    const DayStormFile file;
    const fs::path out = fs::path(file.path()).replace_extension(".png");
    const bool all = state.range(0) != 0;
    for (auto _ : state) {
        if (bench::runProgram({VELMORA_CLI_PATH, "plot", file.path().string(), "--event",
                               all ? "all" : "25", "-o", out.string()}) != 0)
            state.SkipWithError("velmora-cli plot did not exit with 0");
    }
    fs::remove(out);
}

} // namespace

BENCHMARK(BM_FlowChartToPngInProcess)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlotPngInProcess)->Unit(benchmark::kMillisecond);
// 0: the 25-year event; 1: all five events.
BENCHMARK(BM_PlotCommandWholeProcess)->Arg(0)->Arg(1)->UseRealTime()->Unit(benchmark::kMillisecond);
