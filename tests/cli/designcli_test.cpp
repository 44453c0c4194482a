// velmora-cli's design check: run's added output, check's warnings, the design batch and
// sizing.
#include "cli/cli.h"
#include "clitestsupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <sstream>

namespace velmora {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

using clitest::CliOutcome;
using clitest::runVelmora;
const auto readText = clitest::readBytes;

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

const fs::path kExamples = VELMORA_EXAMPLES_DIR;

// The worked weir step of cli_test.cpp: a 1-acre pond on a pool at 100 ft, a 12-inch weir at
// 100.5, 0.6 and 0.2 acre-feet in two quarter hours; city curves for 5 acres of C 0.3, Tc 10.
// The pond still rises at the storm's end: every event peaks on its last row (line 6).
const std::string kWorkedStep = "Worked step\n"
                                "3/15/2007\n"
                                "W-1\n"
                                "1\n"
                                "0.250 7.200 7.200 7.200 7.200 7.200\n"
                                "0.500 9.600 9.600 9.600 9.600 9.600\n"
                                "999 *** *** *** *** ***\n"
                                "5.00\n1.00\n0.300\n1.000\n10.00\n1.000\n100.00\n0.00\n"
                                "0\n100.50\n3.00\n0.00\n12.00\n";

using DesignCliTest = clitest::ScratchFolderTest;

TEST_F(DesignCliTest, RunTextAddsTheFiveEventsTheBalanceAndTheWarningsAfterTodaysTable) {
    const CliOutcome result = runVelmora({"run", project("step.vlm", kWorkedStep)});
    ASSERT_EQ(result.exitCode, kExitSuccess) << result.err;
    const auto summaryEnd = result.out.find("Max. Vol. Storage req'd.(ac-ft) = 0.7926\n");
    ASSERT_NE(summaryEnd, std::string::npos);
    const std::string added = result.out.substr(summaryEnd);
    EXPECT_THAT(added, HasSubstr("Design check: every event against its pre-development rate, on "
                                 "the table's rows"));
    // 145 / 30^0.93 x 1.5 = 9.20 cfs; the weir lets out 0.47 cfs at 100.79 ft.
    EXPECT_THAT(added, HasSubstr("   5-year             9.20             0.47            5.2 %"
                                 "           100.79           0.7926      yes"));
    EXPECT_THAT(added, HasSubstr("Mass balance (ac-ft)"));
    EXPECT_THAT(added, HasSubstr("   5-year           0.8000           0.0074           0.0000"
                                 "           0.7926           0.0000             0.00  -"));
    EXPECT_THAT(added, HasSubstr("  line 6: 5-year event: the peak stage (100.79 ft) is reached "
                                 "on the last step, row 2 (0.5 hr)"));
}

double jsonNumber(const std::string& json, const std::string& key, std::size_t from = 0) {
    const auto at = json.find("\"" + key + "\": ", from);
    EXPECT_NE(at, std::string::npos) << key;
    return std::stod(json.substr(at + key.size() + 4));
}

TEST_F(DesignCliTest, RunJsonAddsDesignCheckMassBalanceAndWarnings) {
    const CliOutcome result =
        runVelmora({"run", project("step.vlm", kWorkedStep), "--format", "json"});
    ASSERT_EQ(result.exitCode, kExitSuccess) << result.err;
    const auto check = result.out.find("\"designCheck\": [");
    const auto balance = result.out.find("\"massBalance\": [");
    const auto warnings = result.out.find("\"warnings\": [");
    ASSERT_TRUE(check != std::string::npos && balance != std::string::npos &&
                warnings != std::string::npos);
    EXPECT_LT(result.out.find("\"summary\": {"), check);
    EXPECT_LT(check, balance);
    EXPECT_LT(balance, warnings);
    // The five events in order, each with its own city-curve rate.
    std::size_t at = check;
    for (const auto& [years, rate] :
         {std::pair{5, 9.1989}, std::pair{10, 10.1871}, std::pair{25, 11.5532},
          std::pair{50, 12.6214}, std::pair{100, 14.3628}}) {
        at = result.out.find("{\"returnPeriod\": " + std::to_string(years) + ", \"preDevRate\": ",
                             at);
        ASSERT_NE(at, std::string::npos) << years;
        EXPECT_NEAR(jsonNumber(result.out, "preDevRate", at), rate, 0.00005) << years;
    }
    EXPECT_EQ(occurrences(result.out, "\"meetsPreDev\": true"), 5u);
    EXPECT_NEAR(jsonNumber(result.out, "inflow", balance), 0.8, 1e-12);
    EXPECT_NEAR(jsonNumber(result.out, "continuityError", balance), 0.0, 1e-12);
    EXPECT_THAT(result.out.substr(warnings),
                HasSubstr("{\"code\": \"peak-on-last-row\", \"message\": \"5-year event: the peak "
                          "stage (100.79 ft) is reached on the last step, row 2 (0.5 hr): the "
                          "storm may be too short to show the true peak\", \"line\": 6}"));
    EXPECT_THAT(result.out, ::testing::EndsWith("}]}\n"));

    // No intensity method: no rate, so no ratio and no verdict.
    const CliOutcome none =
        runVelmora({"run", project("none.vlm", replaced(kWorkedStep, "W-1\n1\n", "W-1\n-1\n")),
                    "--format", "json"});
    ASSERT_EQ(none.exitCode, kExitSuccess) << none.err;
    EXPECT_THAT(none.out,
                HasSubstr("{\"returnPeriod\": 5, \"preDevRate\": null, \"peakOutflow\": "));
    EXPECT_EQ(occurrences(none.out, "\"outflowRatio\": null, \"meetsPreDev\": null}"), 5u);
}

std::vector<std::string> csvLines(const std::string& csv) {
    std::vector<std::string> lines;
    std::istringstream in(csv);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST_F(DesignCliTest, MaxStepRoutesEveryOutputOnSubSteps) {
    const std::string path = project("step.vlm", kWorkedStep);
    const CliOutcome csv = runVelmora({"run", path, "--format", "csv", "--max-step", "5"});
    ASSERT_EQ(csv.exitCode, kExitSuccess) << csv.err;
    const std::vector<std::string> lines = csvLines(csv.out);
    ASSERT_EQ(lines.size(), 7u); // field names and two quarter hours in five-minute sub-steps
    const auto fields = [](const std::string& line) {
        std::vector<double> values;
        std::istringstream in(line);
        for (std::string field; std::getline(in, field, ',');)
            values.push_back(std::stod(field));
        return values;
    };
    const std::vector<double> first = fields(lines[1]);
    EXPECT_NEAR(first[0], 0.25 / 3, 1e-15); // duration, hours
    EXPECT_NEAR(first[1], 2.4, 1e-14);      // a third of the first 7.2 inches
    EXPECT_NEAR(first[4], 0.2, 1e-14);      // a third of the first 0.6 acre-feet
    const std::vector<double> last = fields(lines[6]);
    EXPECT_EQ(last[0], 0.5);
    EXPECT_EQ(last[1], 9.6);

    const CliOutcome text = runVelmora({"run", path, "--max-step", "5"});
    EXPECT_THAT(text.out, HasSubstr("on sub-steps of at most 5 min"));
    EXPECT_THAT(text.out, HasSubstr("row 2 (0.500 hr)"));
    EXPECT_THAT(text.out, HasSubstr("the last step, sub-step 6 of"));

    for (const char* bad : {"0", "-1", "abc", "nan", "1,5"}) {
        const CliOutcome refused = runVelmora({"run", path, "--max-step", bad});
        EXPECT_EQ(refused.exitCode, kExitUsage) << bad;
        EXPECT_THAT(refused.err, HasSubstr("--max-step takes a positive number of minutes"));
    }
    const CliOutcome tooFine = runVelmora({"run", path, "--max-step", "0.0001"});
    EXPECT_EQ(tooFine.exitCode, kExitProject);
    EXPECT_THAT(tooFine.err, HasSubstr("would split the storm into more than 200000 steps"));
}

TEST_F(DesignCliTest, CheckListsTheWarningsWithoutFailing) {
    const std::string path = project("step.vlm", kWorkedStep);
    const CliOutcome result = runVelmora({"check", path});
    EXPECT_EQ(result.exitCode, kExitSuccess);
    EXPECT_THAT(result.out, HasSubstr(path + ": no problems found\n" + path +
                                      ": warning: line 6: 5-year event: the peak stage"));
    EXPECT_EQ(occurrences(result.out, ": warning: "), 5u);

    // A crest below the pool points at the crest's line.
    const CliOutcome crest =
        runVelmora({"check", project("crest.vlm", replaced(kWorkedStep, "100.50", "99.50"))});
    EXPECT_EQ(crest.exitCode, kExitSuccess);
    EXPECT_THAT(crest.out, HasSubstr("warning: line 17: the weir crest (99.5 ft) lies below the "
                                     "permanent pool (100 ft)"));
}

TEST(DesignCliExamples, DesignPrintsTheFiveEventsOfEveryExample) {
    std::vector<std::string> args{"design"};
    for (const char* name :
         {"detention-pond.vlm", "worked-example-weir.vlm", "worked-example-stage-table.vlm",
          "worked-example-circular-orifice.vlm"})
        args.push_back((kExamples / name).string());
    const CliOutcome result = runVelmora(args);
    EXPECT_EQ(result.exitCode, kExitSuccess) << result.err;
    EXPECT_TRUE(result.err.empty());
    const std::vector<std::string> lines = csvLines(result.out);
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_THAT(lines[0], ::testing::StartsWith("File"));
    for (std::size_t file = 0; file < 4; ++file) {
        for (std::size_t event = 0; event < 5; ++event) {
            const std::string& line = lines[1 + 5 * file + event];
            EXPECT_THAT(line, ::testing::StartsWith(args[1 + file])) << line;
            EXPECT_THAT(line,
                        HasSubstr(std::to_string(std::array{5, 10, 25, 50, 100}[event]) + "-year"));
            EXPECT_THAT(line, ::testing::EndsWith("yes")) << line;
        }
    }
}

// A folder of projects with every outcome: one that meets, one whose 100-year event exceeds
// its rate, one that cannot be read and one whose run fails.
class DesignBatch : public DesignCliTest {
  protected:
    void SetUp() override {
        DesignCliTest::SetUp();
        meets_ = project("meets.vlm", kWorkedStep);
        exceeds_ =
            project("exceeds.vlm", replaced(kWorkedStep, "W-1\n1\n", "W-1\n0\n9 9 9 9 0.01\n"));
        unreadable_ = project("unreadable.vlm", replaced(kWorkedStep, "3/15/2007", "3/45/2007"));
        failing_ = project("failing.vlm", replaced(kWorkedStep, "\n1.000\n100.00", "\n0\n100.00"));
    }
    std::string meets_, exceeds_, unreadable_, failing_;
};

TEST_F(DesignBatch, ExitCodeTellsTheWorstOutcomeAndEveryFileIsTried) {
    struct Case {
        std::vector<std::string> files;
        int exitCode;
    };
    const std::vector<Case> cases{
        {{meets_}, kExitSuccess},
        {{meets_, exceeds_}, kExitTargetMissed},
        {{exceeds_, unreadable_, meets_}, kExitFile},
        {{failing_, exceeds_, unreadable_}, kExitProject},
        {{unreadable_, failing_}, kExitProject},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"design"};
        args.insert(args.end(), c.files.begin(), c.files.end());
        const CliOutcome result = runVelmora(args);
        const std::string name = ::testing::PrintToString(c.files);
        EXPECT_EQ(result.exitCode, c.exitCode) << name;
        for (const std::string& file : c.files) {
            const bool failed = file == unreadable_ || file == failing_;
            EXPECT_EQ(occurrences(result.out, file), failed ? 0u : 5u) << name << file;
            EXPECT_EQ(result.err.find(file) != std::string::npos, failed) << name << file;
        }
    }
    const CliOutcome mixed = runVelmora({"design", failing_, unreadable_, exceeds_});
    EXPECT_THAT(mixed.err, HasSubstr(failing_ + ": CHECK DATA! Stage-1 of event 5-year row 1: "
                                                "division by zero (pond area is 0)"));
    EXPECT_THAT(mixed.err, HasSubstr("Error Reading File: " + unreadable_));
    EXPECT_THAT(mixed.out, HasSubstr("100-year"));
    EXPECT_THAT(mixed.out, HasSubstr("NO"));
}

TEST_F(DesignBatch, CsvAndJsonHoldOneRecordPerFileAndEvent) {
    const CliOutcome csv = runVelmora({"design", meets_, exceeds_, "--format", "csv"});
    EXPECT_EQ(csv.exitCode, kExitTargetMissed);
    const std::vector<std::string> lines = csvLines(csv.out);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0], "file,returnPeriod,preDevRate,peakOutflow,outflowRatio,peakStage,"
                        "maxStorage,continuityErrorPercent,meetsPreDev");
    EXPECT_THAT(lines[10], ::testing::StartsWith(exceeds_ + ",100,0.015,"));
    EXPECT_THAT(lines[10], ::testing::EndsWith(",false"));
    EXPECT_THAT(lines[1], ::testing::EndsWith(",true"));

    const CliOutcome json = runVelmora({"design", meets_, "--format", "json", "--max-step", "1"});
    EXPECT_EQ(json.exitCode, kExitSuccess) << json.err;
    EXPECT_THAT(json.out, ::testing::StartsWith("[\n {\"file\": \"" + meets_ +
                                                "\", \"returnPeriod\": 5, \"preDevRate\": "));
    EXPECT_EQ(occurrences(json.out, "\"file\": "), 5u);
    EXPECT_THAT(json.out, HasSubstr("\"continuityErrorPercent\": "));
    EXPECT_THAT(json.out, ::testing::EndsWith("\"meetsPreDev\": true}\n]\n"));
    EXPECT_EQ(runVelmora({"design", unreadable_, "--format", "json"}).out, "[]\n");
}

std::string withLine(const std::string& text, std::size_t lineNumber, const std::string& value) {
    std::istringstream in(text);
    std::string result, line;
    for (std::size_t n = 1; std::getline(in, line); ++n)
        result += (n == lineNumber ? value + (line.back() == '\r' ? "\r" : "") : line) + '\n';
    return result;
}

// The example's opening is sized, written, and checked by the design command; one hundredth
// of an inch more lets some event out above its rate.
TEST_F(DesignCliTest, SizedOpeningMeetsEveryRateOfTheExampleAndIsTheLargest) {
    const fs::path example = kExamples / "detention-pond.vlm";
    const std::string sized = (dir_ / "sized.vlm").string();
    const CliOutcome result =
        runVelmora({"size", example.string(), "--vary", "opening", "-o", sized});
    ASSERT_EQ(result.exitCode, kExitSuccess) << result.err;
    EXPECT_THAT(result.out, ::testing::StartsWith("Weir length: 18 in -> "));
    EXPECT_THAT(result.out, HasSubstr("the largest that keeps the peak outflow of all five events "
                                      "at or below their pre-development rates"));
    EXPECT_EQ(occurrences(result.out, "-year"), 5u);
    EXPECT_THAT(result.out, HasSubstr("Wrote " + sized));
    EXPECT_EQ(runVelmora({"design", sized}).exitCode, kExitSuccess);

    const std::string text = readText(sized);
    const std::string opening = text.substr(text.rfind("\r\n", text.size() - 3) + 2);
    const double inches = std::stod(opening);
    std::ostringstream wider;
    wider << std::fixed << std::setprecision(2) << inches + 0.01;
    const std::string lines = readText(example);
    EXPECT_EQ(text, withLine(lines, 32, opening.substr(0, opening.size() - 2)));
    EXPECT_EQ(
        runVelmora({"design", project("wider.vlm", withLine(lines, 32, wider.str()))}).exitCode,
        kExitTargetMissed);
}

TEST_F(DesignCliTest, SizeSaysWhenNothingMeetsAndRefusesATablesOpening) {
    const CliOutcome none = runVelmora(
        {"size", project("low.vlm", replaced(kWorkedStep, "W-1\n1\n", "W-1\n0\n0 0 0 0 0\n")),
         "--vary", "opening", "--events", "5,100"});
    EXPECT_EQ(none.exitCode, kExitTargetMissed);
    EXPECT_TRUE(none.out.empty());
    EXPECT_THAT(none.err, HasSubstr("No weir length from 0.01 to 1200 in keeps the peak outflow of "
                                    "the 5-year and 100-year events at or below their "
                                    "pre-development rates"));

    const CliOutcome table = runVelmora(
        {"size", (kExamples / "worked-example-stage-table.vlm").string(), "--vary", "opening"});
    EXPECT_EQ(table.exitCode, kExitUsage);
    EXPECT_THAT(table.err, HasSubstr("--vary opening needs a weir or an orifice outlet"));

    const CliOutcome pond =
        runVelmora({"size", (kExamples / "worked-example-stage-table.vlm").string(), "--vary",
                    "pond-area", "--target", "stage=27"});
    EXPECT_EQ(pond.exitCode, kExitSuccess) << pond.err;
    EXPECT_THAT(pond.out, ::testing::StartsWith("Pond area: 0.75 ac -> "));
    EXPECT_THAT(pond.out, HasSubstr("the smallest that keeps the peak stage of all five events at "
                                    "or below 27 ft"));
    EXPECT_THAT(pond.out, Not(HasSubstr("NO\n")));
}

TEST_F(DesignCliTest, ReportWithTheDesignSheetAddsItAfterThePage) {
    const std::string path = project("step.vlm", kWorkedStep);
    const fs::path json = dir_ / "both.json";
    const CliOutcome result = runVelmora({"report", path, "--design-sheet", "-o", json.string()});
    ASSERT_EQ(result.exitCode, kExitSuccess) << result.err;
    const std::string ops = readText(json);
    EXPECT_THAT(ops, ::testing::StartsWith(R"({"width": 700, "height": 1070, "ops": [)"));
    EXPECT_THAT(ops,
                HasSubstr("Velmora    DESIGN CHECK    Proj. Date: 3/15/2007   Proj. No.: W-1"));
    EXPECT_THAT(ops, HasSubstr("- line 6: 5-year event: the peak stage (100.79 ft)"));

    const fs::path pdf = dir_ / "both.pdf";
    ASSERT_EQ(runVelmora({"report", path, "-o", pdf.string(), "--design-sheet"}).exitCode,
              kExitSuccess);
    const std::string bytes = readText(pdf);
    std::size_t pages = 0;
    for (auto at = bytes.find("/Type /Page"); at != std::string::npos;
         at = bytes.find("/Type /Page", at + 1))
        pages += bytes.compare(at, 12, "/Type /Pages") != 0;
    EXPECT_EQ(pages, 3u); // the page, the design sheet and the design event's hydrographs
}

TEST_F(DesignCliTest, NewOptionsRefuseWhatTheyCannotUse) {
    const std::string path = project("step.vlm", kWorkedStep);
    const std::vector<std::vector<std::string>> cases{
        {"design"},
        {"design", path, "--event", "5"},
        {"design", path, "--format", "xml"},
        {"size", path},
        {"size", path, "--vary", "crest"},
        {"size", path, "--vary", "opening", "--target", "stage"},
        {"size", path, "--vary", "opening", "--target", "stage=high"},
        {"size", path, "--vary", "opening", "--events", "5,20"},
        {"size", path, path, "--vary", "opening"},
        {"check", path, "--max-step", "1"},
        {"report", path, "-o", "x.pdf", "--max-step", "1"},
        {"run", path, "--design-sheet"},
        {"design", path, "--design-sheet"},
    };
    for (const auto& args : cases) {
        const CliOutcome result = runVelmora(args);
        EXPECT_EQ(result.exitCode, kExitUsage) << ::testing::PrintToString(args);
        EXPECT_THAT(result.err, HasSubstr("usage: velmora-cli"));
    }
}

} // namespace
} // namespace velmora
