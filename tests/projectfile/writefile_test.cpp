#include "projectfixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <sys/resource.h>

namespace velmora {
namespace {

using namespace velmora::testing;
namespace fs = std::filesystem;

std::string contentOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void putFile(const fs::path& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class ProjectFileOnDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("velmora-projectfile-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    template <typename Error> static std::string reasonOf(const fs::path& target) {
        try {
            writeProjectFile(target, weirProject(), pointSettings());
        } catch (const Error& error) {
            return error.reason();
        }
        return "no error";
    }

    fs::path folder_;
};

TEST_F(ProjectFileOnDisk, WritesTheFileAndReadsItBack) {
    const fs::path target = folder_ / "pond.vlm";
    writeProjectFile(target, weirProject(), pointSettings());
    EXPECT_EQ(contentOf(target), kWeirFile);
    EXPECT_EQ(namesIn(folder_), std::vector<std::string>{"pond.vlm"});

    const ReadResult result = readProjectFile(target, pointSettings());
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(result.words.outletWords[1].text, "3.33");
}

TEST_F(ProjectFileOnDisk, ReplacesAnExistingFileKeepingItsPermissions) {
    const fs::path target = folder_ / "pond.vlm";
    putFile(target, "an older project\r\n");
    const auto permissions = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(target, permissions);

    writeProjectFile(target, stageTableProject(), pointSettings());
    EXPECT_EQ(contentOf(target), kStageTableFile);
    EXPECT_EQ(fs::status(target).permissions(), permissions);
    EXPECT_EQ(namesIn(folder_), std::vector<std::string>{"pond.vlm"});
}

TEST_F(ProjectFileOnDisk, WritesThroughASymbolicLink) {
    const fs::path target = folder_ / "pond.vlm";
    const fs::path link = folder_ / "link.vlm";
    putFile(target, "old");
    fs::create_symlink(target, link);
    writeProjectFile(link, weirProject(), pointSettings());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(contentOf(target), kWeirFile);
}

TEST_F(ProjectFileOnDisk, ReportsAFileThatCannotBeCreated) {
    putFile(folder_ / "plain", "not a folder");
    fs::create_directory(folder_ / "folder.vlm");

    EXPECT_EQ(reasonOf<FileOpenError>(folder_ / "missing" / "pond.vlm"),
              "No such file or directory");
    EXPECT_EQ(reasonOf<FileOpenError>(folder_ / "plain" / "pond.vlm"), "Not a directory");
    EXPECT_EQ(reasonOf<FileOpenError>(folder_ / "folder.vlm"), "Is a directory");
    EXPECT_EQ(namesIn(folder_), (std::vector<std::string>{"folder.vlm", "plain"}));
    EXPECT_TRUE(fs::is_empty(folder_ / "folder.vlm"));
    try {
        writeProjectFile(folder_ / "missing" / "pond.vlm", weirProject(), pointSettings());
    } catch (const FileOpenError& error) {
        EXPECT_STREQ(error.what(), "The file could not be opened");
    }
}

// A file size limit makes the write itself fail, as a full disk would.
TEST_F(ProjectFileOnDisk, AFailedWriteLeavesTheExistingFileAlone) {
    const fs::path target = folder_ / "pond.vlm";
    putFile(target, "the previous project");
    ProjectValues values = weirProject();
    values.description.assign(64 * 1024, 'd');

    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit small = previous;
    small.rlim_cur = 4096; // bytes
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string what;
    try {
        writeProjectFile(target, values, pointSettings());
    } catch (const FileWriteError& error) {
        what = error.what();
    }
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(what, "The file could not be written");
    EXPECT_EQ(contentOf(target), "the previous project");
    EXPECT_EQ(namesIn(folder_), std::vector<std::string>{"pond.vlm"});
}

TEST_F(ProjectFileOnDisk, ReadingAFolderIsAnOpenFailure) {
    EXPECT_THROW(readProjectFile(folder_, pointSettings()), FileOpenError);
}

} // namespace
} // namespace velmora
