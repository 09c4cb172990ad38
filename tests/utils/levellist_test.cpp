#include "utils/levellist/clevellist.h"
#include "utils/stringutils.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <cstdio>
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
    // Loads a list from the given text (a list reads its file when first asked), keeping what
    // the load printed on standard output and on standard error.
    std::unique_ptr<CLevelList> Load(const std::string& contents, const std::string& name = "levels.xml")
    {
        dir_.Write(name, contents);
        return LoadFile(dir_.File(name));
    }

    std::unique_ptr<CLevelList> LoadFile(const std::string& path)
    {
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        auto list = std::make_unique<CLevelList>(path);
        list->Count();
        printed_ = testing::internal::GetCapturedStdout();
        warned_ = testing::internal::GetCapturedStderr();
        return list;
    }

    testsupport::TempDir dir_;
    std::string printed_;
    std::string warned_;
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

// A list is read when it is first asked, from the folder current then, and only once: what it
// handed out is remembered, a changed file is not read again, and another list reads for itself.
TEST(LevelListOfItsOwn, ReadsDataLevelsXmlWhenFirstAskedAndOnlyOnce)
{
    testsupport::TempDir dir;
    dir.MakeDir("data");
    CLevelList list;
    dir.Write("data/levels.xml", LevelListFile(kThreeLevels));
    testsupport::InDirectory(dir.Path(), [&] {
        EXPECT_EQ(list.NextLevelFile(), "one.txt") << "read once asked, after it was made";
        EXPECT_EQ(list.NextLevelFile(), "two.txt");
        dir.Write("data/levels.xml", LevelListFile(Level(1, "changed.txt")));
        EXPECT_EQ(list.FileNameAt(1), "one.txt") << "not read again";
        CLevelList other;
        EXPECT_EQ(other.NextLevelFile(), "changed.txt") << "another list reads the file for itself";
    });
}

namespace {

// data/levels.xml as `xmllint --format` writes it back.
const std::string kXmllintFormatted = R"(<?xml version="1.0"?>
<LevelList>
  <Level position="1" filename="data/levels/level01.txt" completed="0"/>
  <Level position="2" filename="data/levels/level02.txt" completed="0"/>
  <Level position="3" filename="data/levels/level03.txt" completed="0"/>
  <Level position="4" filename="data/levels/level04.txt" completed="0"/>
  <Level position="5" filename="data/levels/level05.txt" completed="0"/>
  <Level position="6" filename="data/levels/level06.txt" completed="0"/>
  <Level position="7" filename="data/levels/level07.txt" completed="0"/>
  <Level position="8" filename="data/levels/level08.txt" completed="0"/>
  <Level position="9" filename="data/levels/level09.txt" completed="0"/>
  <Level position="10" filename="data/levels/level10.txt" completed="0"/>
</LevelList>
)";

// The shipped list with only the declaration added (explicit end tags, as the game writes it).
const std::string kDeclared = ReplaceAll(kXmllintFormatted, "\"/>", "\"></Level>");

std::string LevelFileAt(int position)
{
    return std::string("data/levels/level") + (position < 10 ? "0" : "") + std::to_string(position) + ".txt";
}

} // namespace

TEST_F(LevelListTest, FilesWrittenByCommonToolsGiveTheTenLevels)
{
    const std::string shipped = ReplaceAll(kDeclared, "<?xml version=\"1.0\"?>\n", "");
    const std::string minidom = ReplaceAll(kXmllintFormatted, "<?xml version=\"1.0\"?>\n", "<?xml version=\"1.0\" ?>");
    const std::string withBomAndCrLf = "\xEF\xBB\xBF" + ReplaceAll(kDeclared, "\n", "\r\n");
    const std::string withDoctype =
        "<!DOCTYPE LevelList [\n  <!ELEMENT LevelList (JumpTo?, Level*)>\n]>\n<!-- levels > 9 are hard -->\n" + shipped;
    int n = 0;
    for (const std::string& text : {shipped, kXmllintFormatted, kDeclared, minidom, withBomAndCrLf, withDoctype}) {
        const auto list = Load(text, "variant" + std::to_string(++n) + ".xml");
        EXPECT_EQ(printed_ + warned_, "") << text;
        ASSERT_EQ(list->Count(), 11) << text;
        for (int position = 1; position <= 10; ++position)
            EXPECT_EQ(list->FileNameAt(position), LevelFileAt(position)) << text;
        EXPECT_EQ(list->NextLevelFile(), LevelFileAt(1)) << text;
        EXPECT_FALSE(list->IsCompleted(2)) << text;
    }
}

TEST_F(LevelListTest, CommentedOutLinesAreLeftOutAndNothingElse)
{
    const std::string level5 = "<Level position=\"5\" filename=\"data/levels/level05.txt\" completed=\"0\"></Level>";
    const auto withoutLevel5 = Load(ReplaceAll(kDeclared, level5, "<!-- " + level5 + " -->"), "level5.xml");
    ASSERT_EQ(withoutLevel5->Count(), 11);
    EXPECT_EQ(withoutLevel5->FileNameAt(5), "");
    EXPECT_EQ(withoutLevel5->FileNameAt(4), LevelFileAt(4));
    EXPECT_EQ(withoutLevel5->FileNameAt(10), LevelFileAt(10));

    const auto withoutJumpTo =
        Load(ReplaceAll(kDeclared, "<LevelList>\n", "<LevelList>\n  <!-- <JumpTo>3</JumpTo> -->\n"), "jumpto.xml");
    EXPECT_EQ(printed_ + warned_, "");
    EXPECT_EQ(withoutJumpTo->JumpTo(), 0);
    EXPECT_EQ(withoutJumpTo->Count(), 11);
    EXPECT_EQ(withoutJumpTo->NextLevelFile(), LevelFileAt(1));
}

TEST_F(LevelListTest, AListWithoutLevelsIsNamedOnceOnStandardError)
{
    Load("<LevelList>\n  <Level position=\"0\" filename=\"zero.txt\"></Level>\n</LevelList>\n", "none.xml");
    EXPECT_EQ(warned_, "tobrakka: the level list " + dir_.File("none.xml") +
                           " holds no <Level> element with a position from 1 to 9999 and a filename: there are "
                           "no levels to play\n");
    const auto again = LoadFile(dir_.File("none.xml"));
    EXPECT_EQ(warned_, "") << "once per file";
    EXPECT_EQ(again->NextLevelFile(), "") << "play goes on with the empty level";

    LoadFile(dir_.File("missing.xml"));
    EXPECT_EQ(warned_, "tobrakka: the level list " + dir_.File("missing.xml") +
                           " could not be read: there are no levels to play\n");
}

TEST_F(LevelListTest, ThePacksAttributesAreKeptWhileTheGamesOwnListReadsAsBefore)
{
    const std::string gameList = testsupport::ReadFile(std::string(TOBRAKKA_SOURCE_DIR) + "/data/levels.xml");
    const auto fromFile = Load(gameList);
    CLevelList fromText("elsewhere/levels.xml", CLevelList::Names::kInListFolder);
    testing::internal::CaptureStderr();
    fromText.ReadText(gameList);
    ASSERT_EQ(fromText.Count(), 11);
    for (int position = 1; position <= 10; ++position) {
        char expected[32];
        std::snprintf(expected, sizeof expected, "data/levels/level%02d.txt", position);
        EXPECT_EQ(fromFile->FileNameAt(position), expected);
        EXPECT_EQ(fromText.FileNameAt(position), std::string("elsewhere/") + expected);
        EXPECT_EQ(fromFile->EntryAt(position).attributes.at("filename"), expected);
    }
    EXPECT_TRUE(fromFile->ListAttributes().empty());
    EXPECT_EQ(fromFile->EntryAt(11).filename, "") << "outside the list";

    fromText.ReadText("<LevelList id=\"p\" title=\"A &amp; B\"><Level position=\"1\" filename=\"a.txt\" name=\"x\"/></LevelList>");
    EXPECT_EQ(fromText.ListAttributes().at("title"), "A &amp; B") << "as written";
    EXPECT_EQ(fromText.EntryAt(1).attributes.at("name"), "x");
    fromText.ReadText("no list");
    EXPECT_EQ(fromText.Count(), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "a list read from text is judged by its caller";
}
