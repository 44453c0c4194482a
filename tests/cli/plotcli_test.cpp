// velmora-cli plot, the hydrograph sheet of report --design-sheet, and the commands that draw
// nothing starting no Qt application.
#include "cli/cli.h"
#include "clitestsupport.h"

#include <QImage>
#include <QString>
#include <QSvgRenderer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/wait.h>

namespace velmora {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

const fs::path kExamples = VELMORA_EXAMPLES_DIR;
const std::string kPond = (kExamples / "detention-pond.vlm").string();

using clitest::CliOutcome;
using clitest::runVelmora;
const auto readText = clitest::readBytes;

// What a shell command prints on its standard output.
std::string outputOf(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
            output += buffer;
        pclose(pipe);
    }
    return output;
}

std::string pdfInfo(const fs::path& pdf) {
    return outputOf("pdfinfo '" + pdf.string() + "'");
}

using PlotCliTest = clitest::ScratchFolderTest;

// PDF: one landscape sheet, Letter in the C locale and A4 under de_DE; SVG: a drawing that
// parses and holds the axis titles as text; PNG: 1400 x 700 pixels.
TEST_F(PlotCliTest, PlotWritesEachFormat) {
    const fs::path letter = dir_ / "letter.pdf";
    ASSERT_EQ(runVelmora({"plot", kPond, "-o", letter.string()}).exitCode, kExitSuccess);
    EXPECT_THAT(pdfInfo(letter), HasSubstr("Pages:           1\n"));
    EXPECT_THAT(pdfInfo(letter), HasSubstr("Page size:       792 x 612 pts (letter)"));
    const fs::path a4 = dir_ / "a4.pdf";
    const CliEnvironment german{FormatSettings{}, "de_DE.UTF-8"};
    ASSERT_EQ(runVelmora({"plot", kPond, "-o", a4.string()}, german).exitCode, kExitSuccess);
    EXPECT_THAT(pdfInfo(a4), HasSubstr("Page size:       842 x 595 pts (A4)"));

    const fs::path svg = dir_ / "plot.svg";
    ASSERT_EQ(runVelmora({"plot", kPond, "-o", svg.string()}).exitCode, kExitSuccess);
    QSvgRenderer renderer(QString::fromStdString(svg.string()));
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.viewBox(), QRect(0, 0, 1400, 700));
    const std::string text = readText(svg);
    for (const char* title : {"Time (hr)", "Rate (cfs)", "Stage (ft)", "all five events",
                              "Pre-dev. rate (100-year)", "Riverside Commons"})
        EXPECT_THAT(text, HasSubstr(title));

    const fs::path png = dir_ / "plot.PNG";
    ASSERT_EQ(runVelmora({"plot", kPond, "-o", png.string()}).exitCode, kExitSuccess);
    EXPECT_EQ(QImage(QString::fromStdString(png.string())).size(), QSize(1400, 700));
}

// --event names the event the charts show; --max-step routes them on sub-steps and the
// heading says so.
TEST_F(PlotCliTest, EventAndMaxStepChooseWhatIsDrawn) {
    const fs::path one = dir_ / "one.svg";
    ASSERT_EQ(runVelmora({"plot", kPond, "--event", "25", "--max-step", "1", "-o", one.string()})
                  .exitCode,
              kExitSuccess);
    const std::string text = readText(one);
    EXPECT_THAT(text, HasSubstr("Pond stage, 25-year event"));
    EXPECT_THAT(text, HasSubstr("Pre-dev. rate (25-year)"));
    EXPECT_THAT(text, ::testing::Not(HasSubstr("10-year")));
    EXPECT_THAT(text, HasSubstr("Routed on sub-steps of at most 1 min"));
    const fs::path all = dir_ / "all.svg";
    ASSERT_EQ(runVelmora({"plot", kPond, "--event", "all", "-o", all.string()}).exitCode,
              kExitSuccess);
    EXPECT_THAT(readText(all), HasSubstr("Inflow and outlet rates, all five events"));
}

TEST_F(PlotCliTest, FailuresExitAsTheOtherCommandsDo) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        int exitCode;
        const char* message;
    };
    std::string broken = readText(kExamples / "worked-example-weir.vlm");
    broken.replace(broken.find("6.000 3.400"), 11, "6.000 abc");
    const fs::path brokenPath = dir_ / "broken.vlm";
    std::ofstream(brokenPath, std::ios::binary) << broken;
    const std::string out = (dir_ / "plot.png").string();
    const std::vector<Case> cases{
        {"no output", {"plot", kPond}, kExitUsage, "plot needs an output file"},
        {"draw list", {"plot", kPond, "-o", "plot.json"}, kExitUsage, "must end in .pdf, .png"},
        {"event",
         {"plot", kPond, "--event", "20", "-o", out},
         kExitUsage,
         "--event takes 5, 10, 25, 50, 100 or all, not '20'"},
        {"max step", {"plot", kPond, "--max-step", "0", "-o", out}, kExitUsage, "--max-step"},
        {"report's option", {"plot", kPond, "--design-sheet", "-o", out}, kExitUsage, "usage:"},
        {"missing project",
         {"plot", (dir_ / "missing.vlm").string(), "-o", out},
         kExitFile,
         "could not be opened"},
        {"missing folder",
         {"plot", kPond, "-o", (dir_ / "no" / "plot.pdf").string()},
         kExitFile,
         "Cannot write the plot to"},
        {"project data",
         {"plot", brokenPath.string(), "-o", out},
         kExitProject,
         "'abc' is not a valid floating point value"},
    };
    for (const Case& c : cases) {
        const CliOutcome result = runVelmora(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.name << ": " << result.err;
        EXPECT_THAT(result.err, HasSubstr(c.message)) << c.name;
    }
    EXPECT_FALSE(fs::exists(out));
    EXPECT_FALSE(fs::exists(dir_ / "no"));
}

// The design sheet's PDF gains the hydrograph sheet as its third sheet; the report without
// the design sheet stays one sheet.
TEST_F(PlotCliTest, ReportDesignSheetIsFollowedByTheHydrographs) {
    const fs::path both = dir_ / "both.pdf";
    ASSERT_EQ(runVelmora({"report", kPond, "--event", "25", "--design-sheet", "-o", both.string()})
                  .exitCode,
              kExitSuccess);
    EXPECT_THAT(pdfInfo(both), HasSubstr("Pages:           3\n"));
    const std::string third = outputOf("pdftotext -f 3 -l 3 '" + both.string() + "' -");
    for (const char* text : {"DESIGN CHECK", "HYDROGRAPHS, 25-year design event", "Time (hr)",
                             "Stage (ft)", "Pre-dev. rate (25-year)"})
        EXPECT_THAT(third, HasSubstr(text));

    const fs::path page = dir_ / "page.pdf";
    ASSERT_EQ(runVelmora({"report", kPond, "-o", page.string()}).exitCode, kExitSuccess);
    EXPECT_THAT(pdfInfo(page), HasSubstr("Pages:           1\n"));
}

// With a Qt platform that does not exist, an application could not start: the commands
// that write no drawing still succeed, and plot, which draws, cannot.
TEST_F(PlotCliTest, OnlyTheDrawingCommandsStartQt) {
    const std::string cli =
        std::string("QT_QPA_PLATFORM=no-such-platform '") + VELMORA_CLI_PATH + "' ";
    const auto exitOf = [&cli](const std::string& args) {
        const int status = std::system((cli + args + " >/dev/null 2>&1").c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    const std::string pond = "'" + kPond + "'";
    EXPECT_EQ(exitOf("run " + pond + " --format json"), kExitSuccess);
    EXPECT_EQ(exitOf("check " + pond), kExitSuccess);
    EXPECT_EQ(exitOf("design " + pond), kExitSuccess);
    EXPECT_EQ(exitOf("size " + pond + " --vary opening"), kExitSuccess);
    EXPECT_NE(exitOf("plot " + pond + " -o '" + (dir_ / "plot.png").string() + "'"), kExitSuccess);
}

} // namespace
} // namespace velmora
