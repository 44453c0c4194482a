// Every seed and every input that once found a fault, through the reader and the whole path a
// file takes in velmora-cli, in the normal build: what the fuzzers found stays mended.
#include "fuzz/filepaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace velmora {
namespace {

namespace fs = std::filesystem;

const fs::path kFuzzDir = VELMORA_FUZZ_DIR;

// The regression inputs and both targets' seed corpora, as paths under the fuzz folder.
std::vector<fs::path> fuzzInputs() {
    std::vector<fs::path> inputs;
    for (const char* folder : {"regressions", "corpus/projectreader", "corpus/filepath"}) {
        if (!fs::is_directory(kFuzzDir / folder))
            continue;
        for (const auto& entry : fs::directory_iterator(kFuzzDir / folder)) {
            const std::string name = entry.path().filename().string();
            if (entry.is_regular_file() && name != "README.md" && !name.starts_with('.'))
                inputs.push_back(folder / entry.path().filename());
        }
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

std::string testName(const fs::path& input) {
    std::string name = input.string();
    std::replace_if(
        name.begin(), name.end(),
        [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

class FuzzInput : public ::testing::TestWithParam<fs::path> {};

TEST_P(FuzzInput, IsReadAndRunWithoutAFault) {
    const fs::path path = kFuzzDir / GetParam();
    if (!fs::exists(path))
        GTEST_SKIP() << path << " was removed after the build";
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    for (const FormatSettings& settings : {fuzzing::pointSettings(), fuzzing::commaSettings()}) {
        SCOPED_TRACE(std::string("decimal separator ") + settings.decimalSeparator);
        EXPECT_EQ(fuzzing::readResultFault(parseProjectFile(bytes.str(), settings)), "");
        fuzzing::PathOutcome outcome;
        EXPECT_NO_THROW(outcome = fuzzing::followFilePath(bytes.str(), settings));
        EXPECT_EQ(fuzzing::pathOutcomeFault(outcome), "");
    }
}

INSTANTIATE_TEST_SUITE_P(Fuzz, FuzzInput, ::testing::ValuesIn(fuzzInputs()),
                         [](const auto& info) { return testName(info.param); });

} // namespace
} // namespace velmora
