// A pack's pack.xml: what it holds reads back as written, the classic reader reads it as a level
// list, and a list that is no pack's is refused in one line that names what is wrong.
#include "app/levels/packlist.h"
#include "app/levels/packnames.h"
#include "utils/levellist/clevellist.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

PackList TwoLevels()
{
    PackList list;
    list.id = "paper-cuts";
    list.title = "Paper \"cuts\" & <scraps> = 'fun'\ttoo";
    list.author = "Åsa Öberg";
    list.version = "1.2";
    list.licence = "CC-BY-4.0";
    list.levels = {{"level-1.txt", "First & last", 2, 40000}, {"sub/level 2.txt", "", 0, 0}};
    return list;
}

std::string Problem(const std::string& text)
{
    PackList list;
    std::string problem;
    EXPECT_FALSE(ReadPackList(text, list, problem)) << text;
    EXPECT_EQ(problem.find('\n'), std::string::npos);
    return problem;
}

std::string List(const std::string& root, const std::string& levels)
{
    return "<LevelList " + root + ">\n" + levels + "</LevelList>\n";
}

const std::string kRoot = "id=\"p\" version=\"1\"";
const std::string kLevel = "<Level position=\"1\" filename=\"a.txt\"></Level>\n";

} // namespace

TEST(PackList, ReadsBackWhatItWrote)
{
    const PackList written = TwoLevels();
    PackList read;
    std::string problem;
    ASSERT_TRUE(ReadPackList(FormatPackList(written), read, problem)) << problem;
    PackList expected = written;
    expected.title = "Paper \"cuts\" & <scraps> = 'fun' too"; // a tab is written as a blank
    EXPECT_TRUE(read == expected) << FormatPackList(read);
}

TEST(PackList, TheClassicReaderReadsItAsALevelListOfFilesFromThePacksFolder)
{
    testsupport::TempDir dir;
    dir.Write("pack.xml", FormatPackList(TwoLevels()));
    kolm::CLevelList asWritten(dir.File("pack.xml"));
    EXPECT_EQ(asWritten.Count(), 3);
    EXPECT_EQ(asWritten.NextLevelFile(), "level-1.txt");
    EXPECT_EQ(asWritten.NextLevelFile(), "sub/level 2.txt");
    kolm::CLevelList placed(dir.File("pack.xml"), kolm::CLevelList::Names::kInListFolder);
    EXPECT_EQ(placed.FileNameAt(2), dir.File("sub/level 2.txt"));
    EXPECT_EQ(placed.ListAttributes().at("id"), "paper-cuts");
    EXPECT_EQ(placed.EntryAt(1).attributes.at("par_time"), "40000");
}

TEST(PackList, RefusesAListThatIsNoPacksInOneLineNamingTheProblem)
{
    EXPECT_EQ(Problem(List("version=\"1\"", kLevel)), "it gives no pack id");
    EXPECT_EQ(Problem(List("id=\"Paper Cuts\" version=\"1\"", kLevel)), "its id \"Paper Cuts\" is not an id (1 to 64 of a-z, 0-9 and -)");
    EXPECT_EQ(Problem(List("id=\"p\" version=\"one\"", kLevel)), "its version \"one\" is not a version (such as 1 or 1.2)");
    EXPECT_EQ(Problem(List("id=\"p\" version=\"1\" title=\"" + std::string(201, 't') + "\"", kLevel)), "its title is longer than 200 bytes");
    EXPECT_EQ(Problem(List(kRoot, "")), "it lists no level");
    EXPECT_EQ(Problem(List(kRoot, "<Level position=\"2\" filename=\"a.txt\"/>")), "it has no level at position 1");
    EXPECT_EQ(Problem(List(kRoot, "<Level position=\"1\" filename=\"a.txt\" par_loops=\"0\"/>")),
              "level 1's par_loops is no whole number from 1 to 1000");
    EXPECT_EQ(Problem(List(kRoot, "<Level position=\"1\" filename=\"a.txt\" par_time=\"soon\"/>")),
              "level 1's par_time is no whole number of milliseconds from 1 to 86400000");
    EXPECT_EQ(Problem("not xml at all"), "it gives no pack id");
}

TEST(PackList, RefusesLevelFilesOutsideThePacksFolder)
{
    for (const char* file : {"../a.txt", "x/../../a.txt", "/etc/passwd", "a\\b.txt", "c:a.txt", "./a.txt", "a//b.txt", "a/"}) {
        const std::string problem = Problem(List(kRoot, "<Level position=\"1\" filename=\"" + std::string(file) + "\"/>"));
        EXPECT_EQ(problem.rfind("level 1's file \"", 0), 0u) << file << ": " << problem;
    }
}

TEST(PackNames, IdsVersionsAndPaths)
{
    EXPECT_TRUE(IsPackId("paper-cuts-2"));
    for (const char* id : {"", "Paper", "a_b", "a.b", "ä"})
        EXPECT_FALSE(IsPackId(id)) << id;
    EXPECT_FALSE(IsPackId(std::string(65, 'a')));
    for (const char* version : {"", "1.", ".1", "1..2", "1.2.3.4.5", "-1", "1a", "1234567890"})
        EXPECT_FALSE(IsPackVersion(version)) << version;
    EXPECT_GT(CompareVersions("1.10", "1.9"), 0);
    EXPECT_EQ(CompareVersions("1.0", "1"), 0);
    EXPECT_LT(CompareVersions("2.0.1", "2.1"), 0);
    EXPECT_EQ(PackPathProblem("levels/level-1.txt"), "");
    EXPECT_EQ(PackPathProblem("../x"), "climbs out of its folder");
    EXPECT_EQ(PackPathProblem("/x"), "is an absolute path");
    EXPECT_EQ(PackPathProblem("a\\x"), "holds a backslash");
}
