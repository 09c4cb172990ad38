// A level passed by link: the editor's link of a level file, kept from the link or its bare code
// in the player's own levels as the very bytes shared, and what is no level refused with nothing
// written.
#include "app/levels/sharedlevel.h"

#include "app/levels/sharecode.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

const std::string kLevel = "45000\n500,1\n2000,4\n";

struct SharedLevelTest : testing::Test {
    testsupport::TempDir dir;
    MyLevels mine{dir.File("levels")};
    std::string problem;

    std::string CodeOf(const std::string& text)
    {
        std::string code;
        EXPECT_TRUE(EncodeShareCode(text, code, problem)) << problem;
        return code;
    }
};

} // namespace

TEST_F(SharedLevelTest, ALinkOrItsCodeIsKeptAtTheEndOfMyLevelsAsTheLevelShared)
{
    dir.Write("made.txt", kLevel);
    std::string link;
    ASSERT_TRUE(ShareLinkOfFile(dir.File("made.txt"), link, problem)) << problem;
    EXPECT_EQ(link, std::string(kSharePage) + "#level=" + CodeOf(kLevel));

    KeptLevel kept;
    ASSERT_TRUE(KeepSharedLevel(mine, "  " + link + "\n", "From Ann", kept, problem)) << problem;
    EXPECT_EQ(kept.position, 1);
    EXPECT_EQ(testsupport::ReadFile(kept.path), kLevel);
    ASSERT_TRUE(KeepSharedLevel(mine, CodeOf(kLevel), "", kept, problem)) << problem;
    EXPECT_EQ(kept.position, 2) << "kept again, after the first";
    ASSERT_EQ(mine.List().size(), 2u);
    EXPECT_EQ(mine.List()[0].name, "From Ann");
    EXPECT_EQ(mine.List()[1].path, kept.path);
}

TEST_F(SharedLevelTest, WhatIsNoLevelIsRefusedInOneLineAndNothingIsWritten)
{
    KeptLevel kept;
    EXPECT_FALSE(KeepSharedLevel(mine, "1!!!", "", kept, problem));
    EXPECT_FALSE(problem.empty());
    EXPECT_FALSE(KeepSharedLevel(mine, CodeOf("500,1\n"), "", kept, problem));
    EXPECT_EQ(problem, "the shared text is no level: it has no length line");
    EXPECT_FALSE(KeepSharedLevel(mine, CodeOf("0\n500,1\n"), "", kept, problem));
    EXPECT_EQ(problem, "the shared level's length is 0 ms; a level lasts 1 ms or more");
    EXPECT_TRUE(mine.List().empty());
    EXPECT_FALSE(std::filesystem::exists(dir.File("levels/pack.xml")));

    dir.Write("huge.txt", "60000\n" + std::string(kLargestSharedLevel, '\n'));
    std::string link;
    EXPECT_FALSE(ShareLinkOfFile(dir.File("huge.txt"), link, problem));
    EXPECT_NE(problem.find("64 KB"), std::string::npos) << problem;
}
