#include "projectfixtures.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace velmora {
namespace {

using namespace velmora::testing;

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) {
        text.replace(at, from.size(), to);
    }
    return text;
}

std::string lfOnly(std::string text) {
    std::erase(text, '\r');
    return text;
}

// Every word the reader delivered, in file order, without line numbers.
std::vector<std::string> wordTexts(const ProjectWords& words) {
    std::vector<std::string> texts{words.projectNumber.text};
    for (const Word& w : words.userIntensities) {
        texts.push_back(w.text);
    }
    for (const auto& row : words.rainfallRows) {
        for (const Word& w : row) {
            texts.push_back(w.text);
        }
    }
    for (const Word& w : words.siteWords) {
        texts.push_back(w.text);
    }
    for (const Word& w : words.outletWords) {
        texts.push_back(w.text);
    }
    for (const auto& [stage, discharge] : words.stagePairs) {
        texts.push_back(stage.text);
        texts.push_back(discharge.text);
    }
    return texts;
}

TEST(ProjectReader, ReadsTheExampleFileAsItsWords) {
    const ReadResult result = parseProjectFile(kWeirFile, pointSettings());
    ASSERT_TRUE(result.ok()) << result.error;
    const ProjectWords& w = result.words;
    EXPECT_EQ(w.description, "Example detention pond");
    EXPECT_EQ(w.date, std::chrono::year{2007} / std::chrono::March / 15);
    EXPECT_EQ(w.projectNumber.text, "P-101");
    EXPECT_EQ(w.intensityMethod, 0);
    EXPECT_EQ(w.intensityMethodLine, 4);
    EXPECT_EQ(w.userIntensities[4].text, "7.500");
    EXPECT_EQ(w.userIntensities[4].line, 5);
    ASSERT_EQ(w.rainfallRows.size(), 3u);
    EXPECT_EQ(w.rainfallRows[2][0].text, "24.000");
    EXPECT_EQ(w.rainfallRows[2][5].text, "10.000");
    EXPECT_EQ(w.rainfallRows[2][5].line, 8);
    EXPECT_EQ(w.siteWords[0].text, "10.00");
    EXPECT_EQ(w.siteWords[7].text, "0.50");
    EXPECT_EQ(w.siteWords[7].line, 17);
    EXPECT_EQ(w.dischargeMethod, 0);
    EXPECT_EQ(w.dischargeMethodLine, 18);
    ASSERT_EQ(w.outletWords.size(), 4u);
    EXPECT_EQ(w.outletWords[1].text, "3.33");
    EXPECT_EQ(w.outletWords[3].line, 22);
    EXPECT_TRUE(w.stagePairs.empty());
}

TEST(ProjectReader, ReadsTheOutletVariants) {
    const ReadResult stage = parseProjectFile(kStageTableFile, pointSettings());
    ASSERT_TRUE(stage.ok()) << stage.error;
    ASSERT_EQ(stage.words.stagePairs.size(), 3u);
    EXPECT_EQ(stage.words.stagePairs[1].first.text, "26.00");
    EXPECT_EQ(stage.words.stagePairs[1].second.text, "5.50");
    EXPECT_EQ(stage.words.stagePairs[2].second.line, 21);
    EXPECT_TRUE(stage.words.outletWords.empty());

    const ReadResult orifice = parseProjectFile(kCircularOrificeFile, pointSettings());
    ASSERT_TRUE(orifice.ok()) << orifice.error;
    ASSERT_EQ(orifice.words.outletWords.size(), 5u);
    EXPECT_EQ(orifice.words.outletWords[2].text, "0.00");
    EXPECT_EQ(orifice.words.outletWords[4].text, "0.60");
}

// Files that differ from the example only in spacing deliver the same words.
TEST(ProjectReader, LineBreaksBetweenWordsDoNotMatter) {
    const auto expected = wordTexts(parseProjectFile(kWeirFile, pointSettings()).words);
    const std::string variants[] = {
        lfOnly(kWeirFile),
        replaced(replaced(kWeirFile, "4.100\r\n6.000", "4.100 6.000"), "6.500\r\n24.000",
                 "6.500\t\t24.000"),
        replaced(kWeirFile, "0.50\r\n0\r\n26.50\r\n", "0.50\r\n\r\n  0 26.50 "),
    };
    for (const std::string& text : variants) {
        const ReadResult result = parseProjectFile(text, pointSettings());
        ASSERT_TRUE(result.ok()) << result.error;
        EXPECT_EQ(wordTexts(result.words), expected) << text;
    }
}

struct TableEndCase {
    const char* name;
    std::string rowsAndEnd; // replaces the end-of-table line
    std::size_t rows;
};

class ProjectReaderTableEnd : public ::testing::TestWithParam<TableEndCase> {};

TEST_P(ProjectReaderTableEnd, CountsTheRows) {
    const std::string text =
        replaced(lfOnly(kWeirFile), "999 *** *** *** *** ***\n", GetParam().rowsAndEnd);
    const ReadResult result = parseProjectFile(text, pointSettings());
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(result.words.rainfallRows.size(), GetParam().rows);
    EXPECT_EQ(result.words.siteWords[0].text, "10.00");
}

const TableEndCase kTableEndCases[] = {
    {"Point000Ends", "999.000 *** *** *** *** ***\n", 3},
    {"PointFiveEnds", "999.5 *** *** *** *** ***\n", 3},
    {"PlusSignEnds", "+999 *** *** *** *** ***\n", 3},
    {"RowAt999Ends", "999.000 1.000 1.000 1.000 1.000 1.000\n", 3},
    {"Duration1999IsARow", "1999 1 2 3 4 5\n999 *** *** *** *** ***\n", 4},
    {"Duration99Point9IsARow", "99.9 1 2 3 4 5\n999 *** *** *** *** ***\n", 4},
    {"NegativeIsARow", "-999 1 2 3 4 5\n999 *** *** *** *** ***\n", 4},
    {"HugeDurationIsARow", "99999999999999999999999 1 2 3 4 5\n999 *** *** *** *** ***\n", 4},
};

INSTANTIATE_TEST_SUITE_P(Rainfall, ProjectReaderTableEnd, ::testing::ValuesIn(kTableEndCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProjectReader, OtherDischargeMethodsEndTheReading) {
    for (const char* method : {"4", "-1", "+7"}) {
        const std::string text = replaced(kWeirFile, "\r\n0\r\n26.50",
                                          std::string("\r\n") + method + "\r\njunk 1.5\r\n");
        const ReadResult result = parseProjectFile(text, pointSettings());
        ASSERT_TRUE(result.ok()) << result.error;
        EXPECT_TRUE(result.words.outletWords.empty());
        EXPECT_TRUE(result.words.stagePairs.empty());
    }
}

TEST(ProjectReader, StageTableRows) {
    const std::string methodLine = "\r\n3\r\n";
    const std::string head = kStageTableFile.substr(0, kStageTableFile.find(methodLine));
    struct Case {
        std::string tail;
        std::vector<std::pair<std::string, std::string>> pairs;
    } const cases[] = {
        {"3\r\n25.00 0.00\r\n26.00 5.50\r\n27.00 12.00\r\n\r\n\r\n",
         {{"25.00", "0.00"}, {"26.00", "5.50"}, {"27.00", "12.00"}}},
        {"3", {{"", ""}}},
        {"3\r\n \r\n", {{"", ""}}},
        {"3\r\n25.00 0.00\r\n26.00", {{"25.00", "0.00"}, {"26.00", ""}}},
    };
    for (const Case& c : cases) {
        const ReadResult result = parseProjectFile(head + "\r\n" + c.tail, pointSettings());
        ASSERT_TRUE(result.ok()) << result.error;
        std::vector<std::pair<std::string, std::string>> pairs;
        for (const auto& [stage, discharge] : result.words.stagePairs) {
            pairs.emplace_back(stage.text, discharge.text);
        }
        EXPECT_EQ(pairs, c.pairs) << c.tail;
    }
    const ReadResult empty = parseProjectFile(head + "\r\n3\r\n", pointSettings());
    EXPECT_EQ(empty.words.stagePairs[0].first.line, 18);
}

struct FailureCase {
    const char* name;
    std::string text;
    ReadPart reached;
    std::string error;
    int errorLine;
};

class ProjectReaderFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ProjectReaderFailure, ReportsWhatAndWhere) {
    const ReadResult result = parseProjectFile(GetParam().text, pointSettings());
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.reached, GetParam().reached);
    EXPECT_EQ(result.error, GetParam().error);
    EXPECT_EQ(result.errorLine, GetParam().errorLine);
    if (result.reached >= ReadPart::Description) {
        EXPECT_EQ(result.words.description, "Example detention pond");
    }
    if (result.reached < ReadPart::ProjectNumber) {
        EXPECT_EQ(result.words.projectNumber.text, "");
    }
}

std::string firstLines(const std::string& text, int count) {
    std::size_t end = 0;
    for (int i = 0; i < count; ++i) {
        end = text.find('\n', end) + 1;
    }
    return text.substr(0, end);
}

const FailureCase kFailureCases[] = {
    {"EmptyFile", "", ReadPart::Nothing, "The file is empty", 1},
    {"OnlyDescription", firstLines(kWeirFile, 1), ReadPart::Description,
     "The file ends before the project date", 1},
    {"BadDate", replaced(kWeirFile, "3/15/2007", "31/31/2007"), ReadPart::Description,
     "'31/31/2007' is not a valid date", 2},
    {"NoIntensityMethod", firstLines(kWeirFile, 3), ReadPart::ProjectNumber,
     "The file ends before the intensity method", 3},
    {"IntensityMethodWithPoint", replaced(kWeirFile, "P-101\r\n0", "P-101\r\n1.5"),
     ReadPart::ProjectNumber, "The intensity method '1.5' is not a whole number", 4},
    {"IntensityMethodLetter", replaced(kWeirFile, "P-101\r\n0", "P-101\r\nx"),
     ReadPart::ProjectNumber, "The intensity method 'x' is not a whole number", 4},
    {"MissingUserIntensity", firstLines(kWeirFile, 4), ReadPart::IntensityMethod,
     "The file ends before user intensity 1", 4},
    {"EndsBeforeEndOfTableLine", firstLines(kWeirFile, 7), ReadPart::UserIntensities,
     "The file ends before the end-of-table line", 7},
    {"EndsInsideARainfallRow", firstLines(kWeirFile, 7) + "24.000 5.000", ReadPart::UserIntensities,
     "The file ends before the end-of-table line", 8},
    {"EndsInsideTheEndOfTableLine", firstLines(kWeirFile, 8) + "999 ***\r\n",
     ReadPart::UserIntensities, "The file ends before the end of the end-of-table line", 9},
    {"MissingSiteValue", firstLines(kWeirFile, 16), ReadPart::Rainfall,
     "The file ends before site value 8", 16},
    {"MissingDischargeMethod", firstLines(kWeirFile, 17), ReadPart::Site,
     "The file ends before the discharge method", 17},
    {"DischargeMethodWithPoint", replaced(kWeirFile, "0.50\r\n0\r\n", "0.50\r\n1.5\r\n"),
     ReadPart::Site, "The discharge method '1.5' is not a whole number", 18},
    {"DischargeMethodDoubleSign", replaced(kWeirFile, "0.50\r\n0\r\n", "0.50\r\n+-1\r\n"),
     ReadPart::Site, "The discharge method '+-1' is not a whole number", 18},
    {"MissingOutletValue", firstLines(kWeirFile, 21), ReadPart::DischargeMethod,
     "The file ends before outlet value 4", 21},
    {"MissingOrificeCoefficient", firstLines(kCircularOrificeFile, 22), ReadPart::DischargeMethod,
     "The file ends before outlet value 5", 22},
};

INSTANTIATE_TEST_SUITE_P(Failures, ProjectReaderFailure, ::testing::ValuesIn(kFailureCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProjectReader, DeliversNumericWordsWithTheSettingsDecimalSeparator) {
    std::string text = replaced(kWeirFile, "3/15/2007", "15.03.2007");
    text = replaced(text, "P-101", "1.5");
    text = replaced(text, "25.00\r\n0.50", "abc\r\n1.5e-3");
    const ReadResult result = parseProjectFile(text, commaSettings());
    ASSERT_TRUE(result.ok()) << result.error;
    const ProjectWords& w = result.words;
    EXPECT_EQ(w.projectNumber.text, "1.5");
    EXPECT_EQ(w.userIntensities[0].text, "4,500");
    EXPECT_EQ(w.rainfallRows[0][0].text, "1,000");
    EXPECT_EQ(w.siteWords[0].text, "10,00");
    EXPECT_EQ(w.siteWords[6].text, "abc");
    EXPECT_EQ(w.siteWords[7].text, "1,5e-3");
    EXPECT_EQ(w.outletWords[1].text, "3,33");

    const ReadResult stage =
        parseProjectFile(replaced(kStageTableFile, "3/15/2007", "2007-03-15"), commaSettings());
    ASSERT_TRUE(stage.ok()) << stage.error;
    EXPECT_EQ(stage.words.stagePairs[1].second.text, "5,50");
}

// The user's own pattern first, then yyyy-MM-dd, M/d/yyyy and the day-first patterns: a file
// saved in the United States opens under German settings, and one saved in Germany opens in
// the United States.
TEST(ProjectReader, ReadsDatesWrittenUnderOtherSettings) {
    using namespace std::chrono;
    struct Case {
        std::string dateLine;
        FormatSettings settings;
        std::optional<Date> date;
    } const cases[] = {
        {"3/15/2007", pointSettings(), year{2007} / March / 15},
        {"  3/15/2007 \t", pointSettings(), year{2007} / March / 15},
        {"2007-03-15", pointSettings(), year{2007} / March / 15},
        {"15.03.2007", commaSettings(), year{2007} / March / 15},
        {"2007-03-15", commaSettings(), year{2007} / March / 15},
        {"2007-02-30", pointSettings(), std::nullopt},
        {"3/15/2007", commaSettings(), year{2007} / March / 15},
        {"3/4/2007", commaSettings(), year{2007} / March / 4}, // month first wins
        {"15/3/2007", pointSettings(), year{2007} / March / 15},
        {"03.04.2007", commaSettings(), year{2007} / April / 3}, // the user's own pattern
        {"15.03.2007", pointSettings(), year{2007} / March / 15}, // saved in Germany
        {"15-03-2007", pointSettings(), year{2007} / March / 15}, // saved in the Netherlands
        {"15 03 2007", pointSettings(), std::nullopt},
        {"31/31/2007", commaSettings(), std::nullopt},
        {"", pointSettings(), std::nullopt},
    };
    for (const Case& c : cases) {
        const ReadResult result =
            parseProjectFile(replaced(kWeirFile, "3/15/2007", c.dateLine), c.settings);
        EXPECT_EQ(result.words.date, c.date) << c.dateLine;
        EXPECT_EQ(result.ok(), c.date.has_value()) << c.dateLine;
    }
}

TEST(ProjectReader, MissingFileCannotBeOpened) {
    try {
        readProjectFile("/nonexistent-folder/project.vlm", pointSettings());
        FAIL() << "no FileOpenError";
    } catch (const FileOpenError& error) {
        EXPECT_STREQ(error.what(), "The file could not be opened");
        EXPECT_EQ(error.reason(), "No such file or directory");
    }
}

} // namespace
} // namespace velmora
