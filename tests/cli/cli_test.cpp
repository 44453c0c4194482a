#include "cli/cli.h"
#include "clitestsupport.h"
#include "platform/systemlocale/systemlocale.h"
#include "projectcontrols/projectcontrols.h"
#include "projectfile/projectfile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace velmora {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

using clitest::CliOutcome;
using clitest::readBytes;
using clitest::runVelmora;

// A project file written into a scratch folder that disappears with the test.
using CliTest = clitest::ScratchFolderTest;

// One pond of one acre on a pool at 100 ft, a 12-inch weir with its crest at 100.5 and no
// percolation; 7.2 and 2.4 inches of rain on one acre of C 1 in two quarter-hour steps bring
// 0.6 and 0.2 acre-feet. The pre-development side uses the city curves: Tc 10 minutes, 5 acres
// of C 0.3.
const std::string kWorkedStep = "Worked step\n"
                                "3/15/2007\n"
                                "W-1\n"
                                "1\n"
                                "0.250 7.200 7.200 7.200 7.200 7.200\n"
                                "0.500 9.600 9.600 9.600 9.600 9.600\n"
                                "999 *** *** *** *** ***\n"
                                "5.00\n1.00\n0.300\n1.000\n10.00\n1.000\n100.00\n0.00\n"
                                "0\n100.50\n3.00\n0.00\n12.00\n";

std::vector<std::vector<double>> csvRows(const std::string& csv) {
    std::istringstream lines(csv);
    std::string line;
    std::getline(lines, line); // field names
    std::vector<std::vector<double>> rows;
    while (std::getline(lines, line)) {
        std::vector<double> row;
        std::istringstream fields(line);
        std::string field;
        while (std::getline(fields, field, ','))
            row.push_back(std::stod(field));
        rows.push_back(row);
    }
    return rows;
}

TEST_F(CliTest, RunRoutesTheWorkedStep) {
    const CliOutcome result =
        runVelmora({"run", project("step.vlm", kWorkedStep), "--format", "csv"});
    ASSERT_EQ(result.exitCode, kExitSuccess) << result.err;
    EXPECT_THAT(result.out, ::testing::StartsWith("duration,rainfall,deltaT,deltaR,inflowVol,"
                                                  "stage1,discharge,outflowVol,incremVol,cumVol,"
                                                  "stage2,outflow,volOut,infiltrationVol\n"));
    const auto rows = csvRows(result.out);
    ASSERT_EQ(rows.size(), 2u);
    // inflowVol, stage1, discharge, outflowVol, incremVol, cumVol, stage2, outflow, volOut
    const std::vector<std::vector<double>> expected{
        {0.6, 100.6, 0.09487, 0.00196, 0.59804, 0.59804, 100.59804, 0.09209, 0.00190},
        {0.2, 100.69804, 0.26439, 0.00546, 0.19454, 0.79258, 100.79258, 0.47477, 0.00981}};
    for (std::size_t r = 0; r < 2; ++r) {
        for (std::size_t i = 0; i < expected[r].size(); ++i)
            EXPECT_NEAR(rows[r][4 + i], expected[r][i], 0.000005) << "row " << r << " field " << i;
    }
}

double jsonNumber(const std::string& json, const std::string& key) {
    const auto at = json.find("\"" + key + "\": ");
    EXPECT_NE(at, std::string::npos) << key;
    return std::stod(json.substr(at + key.size() + 4));
}

TEST_F(CliTest, RunGivesThePreDevelopmentRateOfTheDesignEvent) {
    const std::string path = project("step.vlm", kWorkedStep);
    const CliOutcome result = runVelmora({"run", path, "--event", "25", "--format", "json"});
    ASSERT_EQ(result.exitCode, kExitSuccess) << result.err;
    EXPECT_THAT(result.out, HasSubstr("\"designEvent\": 2, \"eventLabel\": \"25yr/0.5hr\""));
    EXPECT_NEAR(jsonNumber(result.out, "preDevRate"), 11.553, 0.0005);
    EXPECT_NEAR(jsonNumber(result.out, "eventExponent"), 0.863, 1e-12);

    // User intensities instead: the rate is area x C x the design event's intensity.
    std::string user = kWorkedStep;
    user.replace(user.find("W-1\n1\n"), 6, "W-1\n0\n1.000 2.000 3.000 4.000 8.000\n");
    const CliOutcome userRun =
        runVelmora({"run", project("user.vlm", user), "--event", "100", "--format", "json"});
    ASSERT_EQ(userRun.exitCode, kExitSuccess) << userRun.err;
    EXPECT_DOUBLE_EQ(jsonNumber(userRun.out, "preDevRate"), 5 * 0.3 * 8.0);
}

TEST_F(CliTest, JsonHoldsEveryEventAndNumbersThatReadBack) {
    const CliOutcome result =
        runVelmora({"run", project("step.vlm", kWorkedStep), "--format", "json"});
    ASSERT_EQ(result.exitCode, kExitSuccess) << result.err;
    for (int years : {5, 10, 25, 50, 100})
        EXPECT_THAT(result.out, HasSubstr("{\"returnPeriod\": " + std::to_string(years)));
    EXPECT_THAT(result.out, HasSubstr("\"stage2\": 100.5980399105"));
    EXPECT_NEAR(jsonNumber(result.out, "maxStorage"), 0.79258, 0.000005);
    EXPECT_EQ(jsonNumber(result.out, "infiltrationRate"), 0.0);
}

TEST_F(CliTest, TextTableShowsTheReportNumbers) {
    const CliOutcome result = runVelmora({"run", project("step.vlm", kWorkedStep)});
    ASSERT_EQ(result.exitCode, kExitSuccess) << result.err;
    EXPECT_THAT(result.out, HasSubstr("Velmora    Proj. Date: 3/15/2007   Proj. No.: W-1"));
    EXPECT_THAT(result.out,
                HasSubstr("Design Rainfall Event: 5yr/0.5hr  Proj. Descr.: Worked step"));
    EXPECT_THAT(result.out, HasSubstr("100.60"));
    EXPECT_THAT(result.out, HasSubstr("Max. Vol. Storage req'd.(ac-ft) = 0.7926"));
}

TEST_F(CliTest, FailuresGiveTheirExitCodeAndMessage) {
    auto replaced = [](std::string text, const std::string& from, const std::string& to) {
        return text.replace(text.find(from), from.size(), to);
    };
    struct Case {
        const char* name;
        std::string text;
        int exitCode;
        const char* message;
    };
    const std::vector<Case> cases{
        {"bad date", replaced(kWorkedStep, "3/15/2007", "3/45/2007"), kExitFile,
         "Error Reading File"},
        {"method word not an integer", replaced(kWorkedStep, "\n0\n100.50", "\n1.5\n100.50"),
         kExitFile, "Error Reading File"},
        {"ends before the site lines", kWorkedStep.substr(0, kWorkedStep.find("5.00\n")), kExitFile,
         "Error Reading File"},
        {"rainfall cell not a number", replaced(kWorkedStep, "0.500 9.600", "0.500 abc"),
         kExitProject, "'abc' is not a valid floating point value"},
        {"pond area zero", replaced(kWorkedStep, "\n1.000\n100.00", "\n0.000\n100.00"),
         kExitProject, "CHECK DATA!"},
        {"site value not a number", replaced(kWorkedStep, "\n10.00\n", "\nten\n"), kExitProject,
         "CHECK DATA!"},
    };
    for (const Case& c : cases) {
        const CliOutcome result = runVelmora({"run", project("case.vlm", c.text)});
        EXPECT_EQ(result.exitCode, c.exitCode) << c.name << ": " << result.err;
        EXPECT_THAT(result.err, HasSubstr(c.message)) << c.name;
        EXPECT_TRUE(result.out.empty()) << c.name;
    }
    const CliOutcome missing = runVelmora({"run", (dir_ / "missing.vlm").string()});
    EXPECT_EQ(missing.exitCode, kExitFile);
    EXPECT_THAT(missing.err, HasSubstr("The file could not be opened"));
}

TEST_F(CliTest, UsageErrorsExitWithOne) {
    const std::string path = project("step.vlm", kWorkedStep);
    const std::vector<std::vector<std::string>> cases{
        {},
        {"frobnicate", path},
        {"run"},
        {"run", path, "--event", "20"},
        {"run", path, "--format", "xml"},
        {"run", path, "--event"},
        {"check", path, "--format", "csv"},
        {"report", path},
    };
    for (const auto& args : cases) {
        const CliOutcome result = runVelmora(args);
        EXPECT_EQ(result.exitCode, kExitUsage) << ::testing::PrintToString(args);
        EXPECT_THAT(result.err, HasSubstr("usage: velmora-cli"));
    }
    const CliOutcome help = runVelmora({"--help"});
    EXPECT_EQ(help.exitCode, kExitSuccess);
    EXPECT_THAT(help.out, HasSubstr("usage: velmora-cli"));
}

TEST_F(CliTest, CheckListsEveryProblemWithItsLine) {
    std::string text = kWorkedStep;
    text.replace(text.find("0.500 9.600"), 11, "0.500 x9.6");
    text.replace(text.find("\n0.300\n"), 7, "\nlow\n");
    const CliOutcome result = runVelmora({"check", project("bad.vlm", text)});
    EXPECT_EQ(result.exitCode, kExitProject);
    EXPECT_THAT(result.out,
                HasSubstr("line 6: rainfall row 2 5-year depth: 'x9.6' is not a valid"));
    EXPECT_THAT(result.out, HasSubstr("line 10: pre-development C: 'low' is not a valid"));

    const CliOutcome sound = runVelmora({"check", project("good.vlm", kWorkedStep)});
    EXPECT_EQ(sound.exitCode, kExitSuccess) << sound.out;
    EXPECT_THAT(sound.out, HasSubstr("no problems found"));
}

TEST_F(CliTest, CheckRunsEveryDesignEvent) {
    std::string text = kWorkedStep;
    text.replace(text.find("\n10.00\n"), 7, "\n-20.00\n"); // Tc -20: the city curve divides by 0
    const CliOutcome result = runVelmora({"check", project("tc.vlm", text)});
    EXPECT_EQ(result.exitCode, kExitProject);
    EXPECT_THAT(result.out, HasSubstr("5-year event: CHECK DATA!"));
    EXPECT_THAT(result.out, HasSubstr("100-year event: CHECK DATA!"));
}

TEST_F(CliTest, DecimalCommaLocaleReadsAndRunsThePointFile) {
    CliEnvironment comma;
    comma.settings = formatSettingsForLocaleName("de_DE.UTF-8");
    comma.localeName = "de_DE.UTF-8";
    std::string text = kWorkedStep;
    text.replace(text.find("3/15/2007"), 9, "15.03.2007");
    const CliOutcome result = runVelmora({"run", project("de.vlm", text)}, comma);
    ASSERT_EQ(result.exitCode, kExitSuccess) << result.err;
    EXPECT_THAT(result.out, HasSubstr("Proj. Date: 15.03.2007"));
    EXPECT_THAT(result.out, HasSubstr("100,60"));
}

TEST_F(CliTest, ReportWritesTheWorkedExamplesDrawList) {
    const fs::path example = fs::path(VELMORA_EXAMPLES_DIR) / "worked-example-weir.vlm";
    const fs::path json = dir_ / "page.json";
    const CliOutcome result = runVelmora({"report", example.string(), "-o", json.string()});
    ASSERT_EQ(result.exitCode, kExitSuccess) << result.err;
    const std::string ops = readBytes(json);
    for (const char* op : {
             R"({"width": 700, "height": 535, "ops": [{"op": "brush"}, )"
             R"({"op": "rectangle", "x1": 0, "y1": 0, "x2": 700, "y2": 535}, )"
             R"({"op": "textOut", "x": 10, "y": 1, )"
             R"("text": "Velmora    Proj. Date: 3/15/2007   Proj. No.: P-101"}, )"
             R"({"op": "rectangle", "x1": 5, "y1": 13, "x2": 695, "y2": 180}, )"
             R"({"op": "textOut", "x": 10, "y": 14, )"
             R"("text": "Design Rainfall Event: 5yr/24hr  Proj. Descr.: Example detention pond"})",
             R"({"op": "textOut", "x": 10, "y": 70, "text": "Disch. Method: Rect. Weir - Crest )"
             R"(Elev.(ft):26.5    Weir Length(in):12    Weir Coeff.:3.33    No. of End )"
             R"(Contractions: 0"})",
             R"({"op": "moveTo", "x": 640, "y": 84}, {"op": "lineTo", "x": 640, "y": 180})",
             R"({"op": "textOut", "x": 6, "y": 151, "text": "24.000"})",
             R"({"op": "textOut", "x": 487, "y": 515, "text": "Max. Vol. Storage req'd.(ac-ft) = )",
         })
        EXPECT_NE(ops.find(op), std::string::npos) << op;
}

TEST_F(CliTest, ReportWritesAOnePagePdfOrNothing) {
    const fs::path example = fs::path(VELMORA_EXAMPLES_DIR) / "detention-pond.vlm";
    const fs::path pdf = dir_ / "page.pdf";
    const CliOutcome result = runVelmora(
        {"report", example.string(), "--event", "25", "--paper", "a4", "-o", pdf.string()});
    ASSERT_EQ(result.exitCode, kExitSuccess) << result.err;
    const std::string bytes = readBytes(pdf);
    EXPECT_EQ(bytes.substr(0, 5), "%PDF-");

    const fs::path unwritable = dir_ / "missing-folder" / "page.png";
    const CliOutcome failed = runVelmora({"report", example.string(), "-o", unwritable.string()});
    EXPECT_EQ(failed.exitCode, kExitFile);
    EXPECT_THAT(failed.err, HasSubstr("does not exist"));
    EXPECT_FALSE(fs::exists(unwritable.parent_path()));
    EXPECT_EQ(runVelmora({"report", example.string(), "-o", (dir_ / "page.txt").string()}).exitCode,
              kExitUsage);
}

// Every example reads, runs for every event and writes back byte for byte through the Save
// command's conversion.
TEST(CliExamples, ReadRunAndWriteBackByteForByte) {
    const FormatSettings settings;
    for (const char* name :
         {"detention-pond.vlm", "worked-example-weir.vlm", "worked-example-stage-table.vlm",
          "worked-example-circular-orifice.vlm"}) {
        const fs::path path = fs::path(VELMORA_EXAMPLES_DIR) / name;
        for (const char* event : {"5", "10", "25", "50", "100"}) {
            const CliOutcome result = runVelmora({"run", path.string(), "--event", event});
            EXPECT_EQ(result.exitCode, kExitSuccess) << name << ": " << result.err;
        }
        const ReadResult read = readProjectFile(path, settings);
        ASSERT_TRUE(read.ok()) << name << ": " << read.error;
        OpenedProject opened = openIntoControls(read);
        const ProjectValues values = saveProjectValues(opened, settings);
        EXPECT_EQ(formatProjectFile(values, settings), readBytes(path)) << name;
    }
}

} // namespace
} // namespace velmora
