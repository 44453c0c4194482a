// Damaged and hostile files: texts longer than the reader holds, tables longer than a project
// has, and files of nothing but white space.
#include "projectfixtures.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace velmora {
namespace {

using namespace velmora::testing;

constexpr std::size_t kHundredMegabytes = 100'000'000; // characters

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) {
        text.replace(at, from.size(), to);
    }
    return text;
}

std::string longestWord() {
    return std::string(kMaxProjectWordLength, '7');
}

std::string tooLongWord() {
    return std::string(kMaxProjectWordLength + 1, '7');
}

// The weir example's head up to its end-of-table line, with `rows` rainfall rows of their own.
std::string withRainfallRows(std::size_t rows) {
    const std::size_t tableStart = kWeirFile.find("1.000 2.100");
    const std::size_t tableEnd = kWeirFile.find("999 ***");
    std::string text = kWeirFile.substr(0, tableStart);
    text.reserve(text.size() + rows * 24);
    for (std::size_t k = 0; k < rows; ++k) {
        text += "1.5 1 2 3 4 5\n";
    }
    return text + kWeirFile.substr(tableEnd);
}

// The stage-discharge example with `pairs` pairs of its own.
std::string withStagePairs(std::size_t pairs) {
    const std::string methodLine = "\r\n3\r\n";
    std::string text =
        kStageTableFile.substr(0, kStageTableFile.find(methodLine) + methodLine.size());
    text.reserve(text.size() + pairs * 12);
    for (std::size_t i = 0; i < pairs; ++i) {
        text += "25.5 3.25\n";
    }
    return text;
}

struct RefusalCase {
    const char* name;
    std::function<std::string()> text;
    ReadPart reached;
    std::string error;
    int errorLine;
};

class ProjectReaderRefusal : public ::testing::TestWithParam<RefusalCase> {};

// Every refusal is a read failure that says why and where, never a crash or a text held whole.
TEST_P(ProjectReaderRefusal, IsAReadFailureThatSaysWhy) {
    const ReadResult result = parseProjectFile(GetParam().text(), pointSettings());
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.reached, GetParam().reached);
    EXPECT_EQ(result.error, GetParam().error);
    EXPECT_EQ(result.errorLine, GetParam().errorLine);
}

const std::string kLongWord = "A word is longer than 65536 characters";

const RefusalCase kRefusalCases[] = {
    {"DescriptionOneCharacterTooLong",
     [] { return replaced(kWeirFile, "Example detention pond", tooLongWord()); }, ReadPart::Nothing,
     "The description is longer than 65536 characters", 1},
    {"DescriptionOf100MegabytesWithoutLineEnd", [] { return std::string(kHundredMegabytes, 'x'); },
     ReadPart::Nothing, "The description is longer than 65536 characters", 1},
    {"DateLineTooLong", [] { return replaced(kWeirFile, "3/15/2007", tooLongWord()); },
     ReadPart::Description, "The project date is longer than 65536 characters", 2},
    {"ProjectNumberLineTooLong", [] { return replaced(kWeirFile, "P-101", tooLongWord()); },
     ReadPart::Date, "The project number is longer than 65536 characters", 3},
    {"IntensityMethodWordTooLong",
     [] { return replaced(kWeirFile, "P-101\r\n0", "P-101\r\n" + tooLongWord()); },
     ReadPart::ProjectNumber, kLongWord, 4},
    {"UserIntensityOf100Megabytes",
     [] { return replaced(kWeirFile, "4.500", std::string(kHundredMegabytes, '4')); },
     ReadPart::IntensityMethod, kLongWord, 5},
    {"RainfallDurationTooLong", [] { return replaced(kWeirFile, "6.000 3.400", tooLongWord()); },
     ReadPart::UserIntensities, kLongWord, 7},
    {"RainfallDepthTooLong", [] { return replaced(kWeirFile, "6.500", tooLongWord()); },
     ReadPart::UserIntensities, kLongWord, 7},
    {"EndOfTableWordTooLong", [] { return replaced(kWeirFile, "999 ***", "999 " + tooLongWord()); },
     ReadPart::UserIntensities, kLongWord, 9},
    {"SiteValueOf100MegabytesAtTheEnd",
     [] {
         const std::string text = kWeirFile.substr(0, kWeirFile.find("0.50\r\n"));
         return text + std::string(kHundredMegabytes, '5');
     },
     ReadPart::Rainfall, kLongWord, 17},
    {"DischargeMethodWordTooLong",
     [] { return replaced(kWeirFile, "0.50\r\n0\r\n", "0.50\r\n" + tooLongWord() + "\r\n"); },
     ReadPart::Site, kLongWord, 18},
    {"OutletValueTooLong", [] { return replaced(kWeirFile, "3.33", tooLongWord()); },
     ReadPart::DischargeMethod, kLongWord, 20},
    {"StageTooLong",
     [] { return replaced(kStageTableFile, "26.00 5.50", tooLongWord() + " 5.50"); },
     ReadPart::DischargeMethod, kLongWord, 20},
    {"DischargeTooLong", [] { return replaced(kStageTableFile, "5.50", tooLongWord()); },
     ReadPart::DischargeMethod, kLongWord, 20},
    // Lines that end in CR alone are one line to the reader; past the limit it refuses them
    // as a description too long.
    {"CarriageReturnsOnlyBeyondTheLimit",
     [] {
         std::string text;
         while (text.size() <= kMaxProjectWordLength) {
             text += "1.000 2.100 2.500 3.100 3.600 4.100\r";
         }
         return text;
     },
     ReadPart::Nothing, "The description is longer than 65536 characters", 1},
    {"RainfallRowsBeyondTheLimit", [] { return withRainfallRows(kMaxRainfallRows + 1); },
     ReadPart::UserIntensities, "The rainfall table has more than 250000 rows",
     static_cast<int>(kMaxRainfallRows) + 6},
    {"StagePairsBeyondTheLimit", [] { return withStagePairs(kMaxStagePairs + 1); },
     ReadPart::DischargeMethod, "The stage-discharge table has more than 250000 pairs",
     static_cast<int>(kMaxStagePairs) + 19},
};

INSTANTIATE_TEST_SUITE_P(Limits, ProjectReaderRefusal, ::testing::ValuesIn(kRefusalCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct AcceptedCase {
    const char* name;
    std::function<std::string()> text;
    std::function<void(const ProjectWords&)> check;
};

class ProjectReaderWithinLimits : public ::testing::TestWithParam<AcceptedCase> {};

// Up to the limits a file reads whole, however large, and white space costs nothing but
// its reading.
TEST_P(ProjectReaderWithinLimits, ReadsWhole) {
    const ReadResult result = parseProjectFile(GetParam().text(), pointSettings());
    ASSERT_TRUE(result.ok()) << result.error << " (line " << result.errorLine << ")";
    GetParam().check(result.words);
}

const AcceptedCase kAcceptedCases[] = {
    {"DescriptionOfTheLongestLength",
     [] { return replaced(kWeirFile, "Example detention pond", longestWord()); },
     [](const ProjectWords& w) {
         EXPECT_EQ(w.description, longestWord());
     }},
    {"DescriptionOfTheLongestLengthWithLfOnly",
     [] {
         std::string text = replaced(kWeirFile, "Example detention pond\r\n", longestWord() + "\n");
         return text;
     },
     [](const ProjectWords& w) {
         EXPECT_EQ(w.description, longestWord());
     }},
    {"ProjectNumberOfTheLongestLength", [] { return replaced(kWeirFile, "P-101", longestWord()); },
     [](const ProjectWords& w) {
         EXPECT_EQ(w.projectNumber.text, longestWord());
     }},
    {"SiteValueOfTheLongestLength", [] { return replaced(kWeirFile, "0.850", longestWord()); },
     [](const ProjectWords& w) {
         EXPECT_EQ(w.siteWords[3].text, longestWord());
     }},
    {"LastWordOfTheLongestLengthWithoutLineEnd",
     [] { return kWeirFile.substr(0, kWeirFile.rfind("12.00")) + longestWord(); },
     [](const ProjectWords& w) {
         EXPECT_EQ(w.outletWords[3].text, longestWord());
     }},
    {"RainfallRowsUpToTheLimit", [] { return withRainfallRows(kMaxRainfallRows); },
     [](const ProjectWords& w) {
         ASSERT_EQ(w.rainfallRows.size(), kMaxRainfallRows);
         EXPECT_EQ(w.rainfallRows.back()[5].text, "5");
         EXPECT_EQ(w.siteWords[0].text, "10.00");
     }},
    {"StagePairsUpToTheLimit", [] { return withStagePairs(kMaxStagePairs); },
     [](const ProjectWords& w) {
         ASSERT_EQ(w.stagePairs.size(), kMaxStagePairs);
         EXPECT_EQ(w.stagePairs.back().second.text, "3.25");
     }},
    {"MegabytesOfWhiteSpaceBetweenWords",
     [] {
         std::string spacing;
         for (int i = 0; i < 1'000'000; ++i) {
             spacing += " \t\r\n";
         }
         return replaced(kWeirFile, "0.50\r\n0\r\n", "0.50" + spacing + "0" + spacing);
     },
     [](const ProjectWords& w) {
         EXPECT_EQ(w.dischargeMethod, 0);
         EXPECT_EQ(w.dischargeMethodLine, 1'000'017);
         EXPECT_EQ(w.outletWords[0].line, 2'000'017);
     }},
    {"MegabytesOfWhiteSpaceAfterTheStagePairs",
     [] { return kStageTableFile + std::string(16'000'000, ' ') + "\r\n\r\n"; },
     [](const ProjectWords& w) {
         EXPECT_EQ(w.stagePairs.size(), 3u);
     }},
};

INSTANTIATE_TEST_SUITE_P(Limits, ProjectReaderWithinLimits, ::testing::ValuesIn(kAcceptedCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace velmora
