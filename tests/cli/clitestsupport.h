// What the command line's tests share: velmora-cli run in the process, and a scratch folder
// for the files a test writes.
#pragma once

#include "cli/cli.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace velmora::clitest {

struct CliOutcome {
    int exitCode;
    std::string out;
    std::string err;
};

inline CliOutcome runVelmora(const std::vector<std::string>& args,
                             const CliEnvironment& environment = CliEnvironment{}) {
    std::ostringstream out, err;
    const int code = runCli(args, out, err, environment);
    return {code, out.str(), err.str()};
}

inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A folder of the test's own, named after it, that disappears with the test.
class ScratchFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               ("velmora-" + std::string(test->test_suite_name()) + "-" + test->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    // A project file of that text in the folder.
    std::string project(const std::string& name, const std::string& text) {
        const std::filesystem::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }

    std::filesystem::path dir_;
};

} // namespace velmora::clitest
