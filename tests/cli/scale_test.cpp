// Long tables: a 100,000-row rainfall table and a 10,000-pair stage-discharge table read, run,
// check and report without failing, in memory that grows with the table.
#include "cli/cli.h"
#include "projectfile/projectfile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace velmora {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

// A 96-hour storm cut into `rows` rows on the worked example's site; with `pairs`, a rating
// table of that many pairs as the outlet, else a weir.
ProjectValues longProject(int rows, int pairs) {
    ProjectValues values;
    values.description = "Long tables";
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
    if (pairs > 0) {
        values.dischargeMethod = 3;
        for (int k = 0; k < pairs; ++k)
            values.stagePairs.emplace_back(25.0 + 0.01 * k, 0.01 * k); // two decimals in the file
    } else {
        values.dischargeMethod = 0;
        values.outletValues = {26.5, 3.33, 0, 12};
    }
    return values;
}

long residentKiloBytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}

class ScaleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ =
            fs::temp_directory_path() /
            ("velmora-scale-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    int run(std::vector<std::string> args, std::string* out = nullptr) {
        std::ostringstream o;
        std::ostringstream e;
        const int code = runCli(args, o, e, CliEnvironment{cLocaleSettings(), "C"});
        EXPECT_EQ(e.str(), "") << args[0];
        if (out != nullptr)
            *out = o.str();
        return code;
    }

    fs::path folder_;
};

#if defined(__SANITIZE_ADDRESS__)
constexpr int kLongTableRows = 20000; // the sanitizers' build checks the same path, slower
#else
constexpr int kLongTableRows = 100000;
#endif

TEST_F(ScaleTest, AHundredThousandRainfallRowsReadRunCheckAndDesign) {
    const fs::path project = folder_ / "long.vlm";
    writeProjectFile(project, longProject(kLongTableRows, 0), cLocaleSettings());
    std::string out;
    EXPECT_EQ(run({"run", project.string(), "--format", "csv"}, &out), kExitSuccess);
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), kLongTableRows + 1); // a heading, each row
    EXPECT_EQ(run({"check", project.string()}, &out), kExitSuccess);
    EXPECT_THAT(out, HasSubstr("no problems found"));
    EXPECT_NE(run({"design", project.string()}), kExitUsage);
    // The run holds a few copies of the table's series: some hundreds of bytes a row.
    EXPECT_LT(residentKiloBytes(), 600 * 1024);
}

TEST_F(ScaleTest, TenThousandStagePairsReportOnManySheets) {
    const fs::path project = folder_ / "rating.vlm";
    writeProjectFile(project, longProject(1000, 10000), cLocaleSettings());
    EXPECT_EQ(run({"check", project.string()}), kExitSuccess);
    const fs::path pdf = folder_ / "rating.pdf";
    EXPECT_EQ(run({"report", project.string(), "-o", pdf.string()}), kExitSuccess);
    EXPECT_GT(fs::file_size(pdf), 100000U);
}

TEST_F(ScaleTest, TenThousandRowsReportOnManySheets) {
    const fs::path project = folder_ / "long.vlm";
    writeProjectFile(project, longProject(10000, 0), cLocaleSettings());
    const fs::path pdf = folder_ / "long.pdf";
    EXPECT_EQ(run({"report", project.string(), "-o", pdf.string()}), kExitSuccess);
    EXPECT_GT(fs::file_size(pdf), 1000000U);
}

} // namespace
} // namespace velmora
