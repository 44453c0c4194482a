// What readProjectFile does with paths that are not a project file of sane size: each is
// refused at once, without reading it whole or waiting on it.
#include "projectfixtures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sys/stat.h>

namespace velmora {
namespace {

using namespace velmora::testing;
namespace fs = std::filesystem;

struct PathCase {
    const char* name;
    // Makes the path in the folder given.
    std::function<fs::path(const fs::path&)> make;
    std::string openFailure; // FileOpenError::reason(), or empty for a read failure
    std::string readError;
};

class ProjectFilePath : public ::testing::TestWithParam<PathCase> {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("velmora-readfile-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
};

TEST_P(ProjectFilePath, IsRefusedWithoutBeingRead) {
    const fs::path path = GetParam().make(folder_);
    if (!GetParam().openFailure.empty()) {
        try {
            readProjectFile(path, pointSettings());
            FAIL() << "no FileOpenError";
        } catch (const FileOpenError& error) {
            EXPECT_STREQ(error.what(), "The file could not be opened");
            EXPECT_EQ(error.reason(), GetParam().openFailure);
        }
        return;
    }
    const ReadResult result = readProjectFile(path, pointSettings());
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.reached, ReadPart::Nothing);
    EXPECT_EQ(result.error, GetParam().readError);
    EXPECT_EQ(result.errorLine, 0);
}

// A file of `size` bytes that takes no room on the disk: its blocks are never written.
fs::path sparseFile(const fs::path& folder, std::uintmax_t size) {
    const fs::path path = folder / "huge.vlm";
    std::ofstream(path) << kWeirFile;
    fs::resize_file(path, size);
    return path;
}

const PathCase kPathCases[] = {
    {"Folder", [](const fs::path& folder) { return folder; }, "Is a directory", ""},
    {"PipeWithoutWriter",
     [](const fs::path& folder) {
         const fs::path path = folder / "pipe.vlm";
         EXPECT_EQ(mkfifo(path.c_str(), 0600), 0);
         return path;
     },
     "Not a regular file", ""},
    {"EndlessDevice", [](const fs::path&) { return fs::path("/dev/zero"); }, "Not a regular file",
     ""},
    {"SymbolicLinkToAPipe",
     [](const fs::path& folder) {
         const fs::path pipe = folder / "pipe";
         EXPECT_EQ(mkfifo(pipe.c_str(), 0600), 0);
         fs::create_symlink(pipe, folder / "link.vlm");
         return folder / "link.vlm";
     },
     "Not a regular file", ""},
    {"DanglingSymbolicLink",
     [](const fs::path& folder) {
         fs::create_symlink(folder / "gone.vlm", folder / "link.vlm");
         return folder / "link.vlm";
     },
     "No such file or directory", ""},
    {"OneByteLargerThanTheLimit",
     [](const fs::path& folder) { return sparseFile(folder, kMaxProjectFileBytes + 1); }, "",
     "The file is larger than 256 MiB"},
    {"FourGigabytes",
     [](const fs::path& folder) { return sparseFile(folder, std::uintmax_t{4} << 30); }, "",
     "The file is larger than 256 MiB"},
};

INSTANTIATE_TEST_SUITE_P(Paths, ProjectFilePath, ::testing::ValuesIn(kPathCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace velmora
