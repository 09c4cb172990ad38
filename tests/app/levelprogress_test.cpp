// Progress kept between runs: the furthest level cleared, in the player's state directory.
#include "app/levelprogress.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

struct ProgressTest : ::testing::Test {
    testsupport::TempDir dir;
    ProgressFile file{dir.File("state/tobrakka/progress")};
};

// Sets an environment variable for the test's duration.
struct ScopedEnvironment {
    ScopedEnvironment(const char* name, const char* value) : name_(name)
    {
        const char* previous = std::getenv(name);
        had_ = previous != nullptr;
        if (had_)
            previous_ = previous;
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnvironment() { had_ ? setenv(name_, previous_.c_str(), 1) : unsetenv(name_); }
    const char* name_;
    bool had_;
    std::string previous_;
};

} // namespace

TEST_F(ProgressTest, AClearedLevelIsWrittenAndTheFurthestIsKept)
{
    EXPECT_EQ(file.LastCleared(), 0) << "no file, no progress";
    EXPECT_TRUE(file.RecordCleared(1));
    EXPECT_TRUE(file.RecordCleared(2)); // two clears in a row
    EXPECT_EQ(testsupport::ReadFile(file.Path()), "cleared 2\n");
    EXPECT_TRUE(file.RecordCleared(1));
    EXPECT_EQ(file.LastCleared(), 2) << "replaying an earlier level keeps the furthest";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.File("state/tobrakka")))
        files += entry.is_regular_file();
    EXPECT_EQ(files, 1) << "no temporary file is left behind";
}

TEST_F(ProgressTest, EmptyCorruptAndUnreadableFilesMeanNoProgress)
{
    dir.Write("empty", "");
    EXPECT_EQ(ProgressFile(dir.File("empty")).LastCleared(), 0);
    for (const char* corrupt : {"cleared", "cleared x", "cleared -3", "cleared 2 3", "\x01\xff", "level 4"}) {
        dir.Write("corrupt", corrupt);
        testing::internal::CaptureStderr();
        EXPECT_EQ(ProgressFile(dir.File("corrupt")).LastCleared(), 0) << corrupt;
        EXPECT_NE(testing::internal::GetCapturedStderr().find("cannot be read"), std::string::npos) << corrupt;
    }
    dir.MakeDir("folder");
    EXPECT_EQ(ProgressFile(dir.File("folder")).LastCleared(), 0) << "a directory in the file's place";
}

TEST_F(ProgressTest, AFileThatCannotBeWrittenIsReportedAndNothingBreaks)
{
    dir.Write("blocker", ""); // a file where the state directory should be
    std::vector<std::string> unwritable{dir.File("blocker/tobrakka/progress")};
    dir.MakeDir("locked");
    chmod(dir.File("locked").c_str(), 0500);
    if (geteuid() != 0) // root writes into read-only directories
        unwritable.push_back(dir.File("locked/tobrakka/progress"));
    for (const std::string& path : unwritable) {
        const ProgressFile file(path);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(file.RecordCleared(3)) << path;
        EXPECT_NE(testing::internal::GetCapturedStderr().find("cannot save progress to " + path), std::string::npos);
        EXPECT_EQ(file.LastCleared(), 0);
    }
    chmod(dir.File("locked").c_str(), 0700);
}

TEST(ProgressPath, TheStateDirectoryComesFromXdgStateHomeOrHome)
{
    {
        ScopedEnvironment state("XDG_STATE_HOME", "/s");
        EXPECT_EQ(ProgressFile::DefaultPath(), "/s/tobrakka/progress");
    }
    ScopedEnvironment noState("XDG_STATE_HOME", nullptr);
    ScopedEnvironment home("HOME", "/h");
    EXPECT_EQ(ProgressFile::DefaultPath(), "/h/.local/state/tobrakka/progress");
}
