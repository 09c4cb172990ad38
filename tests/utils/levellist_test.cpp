#include "utils/levellist/clevellist.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

using namespace kolm;

namespace {

std::string Level(int position, const std::string& file, const std::string& extra = std::string())
{
    return "  <Level position=\"" + std::to_string(position) + "\" filename=\"" + file + "\"" + extra +
           "></Level>\n";
}

std::string LevelListFile(const std::string& children) { return "<LevelList>\n" + children + "</LevelList>\n"; }

class LevelListTest : public testing::Test {
protected:
    // Loads a list from the given text, keeping what the load printed.
    std::unique_ptr<CLevelList> Load(const std::string& contents)
    {
        dir_.Write("levels.xml", contents);
        testing::internal::CaptureStdout();
        auto list = std::make_unique<CLevelList>(dir_.File("levels.xml"));
        printed_ = testing::internal::GetCapturedStdout();
        return list;
    }

    testsupport::TempDir dir_;
    std::string printed_;
};

const std::string kThreeLevels = Level(1, "one.txt") + Level(2, "two.txt") + Level(3, "three.txt");

} // namespace

TEST_F(LevelListTest, HandsOutLevelsInOrderThenEmptyText)
{
    const auto list = Load(LevelListFile(kThreeLevels));
    EXPECT_EQ(printed_, "");
    EXPECT_EQ(list->Count(), 4);
    EXPECT_EQ(list->NextLevelFile(), "one.txt");
    EXPECT_EQ(list->NextLevelFile(), "two.txt");
    EXPECT_FALSE(list->IsCompleted(2));
    EXPECT_EQ(list->NextLevelFile(), "three.txt");
    EXPECT_TRUE(list->IsCompleted(2));
    EXPECT_EQ(list->NextLevelFile(), "");
    EXPECT_EQ(list->Current(), 4);
    EXPECT_TRUE(list->IsCompleted(3));
    EXPECT_EQ(list->NextLevelFile(), "");
    EXPECT_EQ(list->Current(), 4) << "current stays past the end";
}

TEST_F(LevelListTest, JumpToStartsAfterTheGivenPosition)
{
    const auto list = Load(LevelListFile("  <JumpTo>2</JumpTo>\n" + kThreeLevels));
    EXPECT_EQ(printed_, "");
    EXPECT_EQ(list->JumpTo(), 2);
    EXPECT_EQ(list->NextLevelFile(), "three.txt");
    EXPECT_TRUE(list->IsCompleted(2));
    EXPECT_FALSE(list->IsCompleted(1));
}

TEST_F(LevelListTest, JumpToOutOfPlaceWarnsOnceAndIsStillUsed)
{
    const auto list = Load(LevelListFile(Level(1, "one.txt") + "  <JumpTo>1</JumpTo>\n" + Level(2, "two.txt")));
    EXPECT_EQ(printed_, "Xml warning a child node wasn't in the place it should be, order fucked up in node: "
                        "LevelList in file: .\\src\\utils\\levellist\\clevellist at line 31\n");
    EXPECT_EQ(list->NextLevelFile(), "two.txt");
}

TEST_F(LevelListTest, ALowerPositionShortensTheList)
{
    const auto list = Load(LevelListFile(Level(1, "one.txt") + Level(3, "three.txt") + Level(2, "two.txt")));
    EXPECT_EQ(list->Count(), 3);
    EXPECT_EQ(list->FileNameAt(2), "two.txt");
    EXPECT_EQ(list->FileNameAt(3), "");
}

TEST_F(LevelListTest, MalformedLevelsAreSkipped)
{
    const auto list = Load(LevelListFile("  <Level position=\"1\"></Level>\n" + Level(0, "zero.txt") +
                                         Level(10000, "far.txt") + "  <Level position=\"x\" filename=\"x.txt\"></Level>\n" +
                                         "  <Stage position=\"1\" filename=\"stage.txt\"></Stage>\n" +
                                         Level(2, "two.txt", " completed=\"1\"") + Level(9999, "last.txt")));
    EXPECT_EQ(printed_, "");
    EXPECT_EQ(list->Count(), 10000);
    EXPECT_EQ(list->FileNameAt(1), "");
    EXPECT_EQ(list->FileNameAt(2), "two.txt");
    EXPECT_TRUE(list->IsCompleted(2));
    EXPECT_EQ(list->FileNameAt(9999), "last.txt");
    EXPECT_FALSE(list->IsCompleted(9999));
    EXPECT_EQ(list->FileNameAt(-1), "");
    EXPECT_EQ(list->FileNameAt(10000), "");
    EXPECT_FALSE(list->IsCompleted(-1));
}

TEST_F(LevelListTest, MissingOrUnreadableFileGivesAnEmptyList)
{
    dir_.MakeDir("folder.xml");
    for (const std::string& name : {dir_.File("missing.xml"), dir_.File("folder.xml")}) {
        const auto list = std::make_unique<CLevelList>(name);
        EXPECT_EQ(list->Count(), 0) << name;
        EXPECT_EQ(list->NextLevelFile(), "") << name;
        EXPECT_EQ(list->Current(), 0) << name;
    }
}

TEST_F(LevelListTest, JumpToPastTheListGivesEmptyText)
{
    const auto list = Load(LevelListFile("  <JumpTo>7</JumpTo>\n" + kThreeLevels));
    EXPECT_EQ(list->NextLevelFile(), "");
    EXPECT_EQ(list->Current(), 7);
}

namespace {

// Makes the instance from a data/levels.xml of its own; true when it is made once, read once
// and remembers what was handed out.
bool InstanceLoadsOnceOnFirstUse()
{
    testsupport::TempDir dir;
    dir.MakeDir("data");
    dir.Write("data/levels.xml", LevelListFile(kThreeLevels));
    bool ok = false;
    testsupport::InDirectory(dir.Path(), [&] {
        CLevelList& list = CLevelList::Instance();
        const bool same = &list == &CLevelList::Instance();
        const bool first = list.NextLevelFile() == "one.txt";
        const bool remembered = CLevelList::Instance().NextLevelFile() == "two.txt";
        dir.Write("data/levels.xml", LevelListFile(Level(1, "changed.txt")));
        const bool notReloaded = CLevelList::Instance().FileNameAt(1) == "one.txt";
        ok = same && first && remembered && notReloaded;
    });
    return ok;
}

} // namespace

TEST(LevelListInstanceDeathTest, ReadsDataLevelsXmlOnFirstUse)
{
    // A fresh process, so that no earlier test can have made the instance already; the exit
    // also runs the static destructor that deletes it.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(InstanceLoadsOnceOnFirstUse() ? 0 : 1), testing::ExitedWithCode(0), "");
}
