// Where the game looks for its data: the player's TOBRAKKA_DATA, the executable's own directory
// (the build tree), then the installed data beside it (prefix/games -> prefix/share/games).
#include "app/profile/dataroot.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct DataRootTest : ::testing::Test {
    testsupport::TempDir prefix; // laid out like an install: games/, share/games/tobrakka/data/
    std::string games = prefix.File("games");
    std::string installed = prefix.File("share/games/tobrakka");

    void SetUp() override
    {
        prefix.MakeDir("games");
        prefix.MakeDir("share");
        prefix.MakeDir("share/games");
        prefix.MakeDir("share/games/tobrakka");
        prefix.MakeDir("share/games/tobrakka/data");
    }

    void GiveLevelList(const std::string& relativeDir) const
    {
        prefix.Write(relativeDir + "/data/levels.xml", "<LevelList></LevelList>\n");
    }
};

} // namespace

TEST_F(DataRootTest, TheExecutablesDirectoryComesBeforeTheInstalledData)
{
    GiveLevelList("share/games/tobrakka");
    DataRootChoice choice = ChooseDataRoot(nullptr, games, "tobrakka");
    EXPECT_EQ(choice.directory, installed);
    EXPECT_EQ(choice.warning, "");

    prefix.MakeDir("games/data");
    GiveLevelList("games");
    choice = ChooseDataRoot(nullptr, games, "tobrakka");
    EXPECT_EQ(choice.directory, games);
    EXPECT_EQ(choice.warning, "");
}

TEST_F(DataRootTest, TheVariableWinsEvenWithoutDataAndAnEmptyOneCountsAsUnset)
{
    GiveLevelList("share/games/tobrakka");
    testsupport::TempDir mine;
    DataRootChoice choice = ChooseDataRoot(mine.Path().c_str(), games, "tobrakka");
    EXPECT_EQ(choice.directory, mine.Path());
    EXPECT_NE(choice.warning.find("TOBRAKKA_DATA names " + mine.Path() + ", which has no data/levels.xml"),
              std::string::npos)
        << choice.warning;

    mine.MakeDir("data");
    mine.Write("data/levels.xml", "<LevelList></LevelList>\n");
    choice = ChooseDataRoot(mine.Path().c_str(), games, "tobrakka");
    EXPECT_EQ(choice.directory, mine.Path());
    EXPECT_EQ(choice.warning, "");

    EXPECT_EQ(ChooseDataRoot("", games, "tobrakka").directory, installed);
}

TEST_F(DataRootTest, WithoutDataAnywhereOneLineNamesThePlacesTried)
{
    const DataRootChoice choice = ChooseDataRoot(nullptr, games, "tobrakka-sim");
    EXPECT_EQ(choice.directory, "");
    EXPECT_EQ(choice.warning.rfind("tobrakka-sim: ", 0), 0u) << choice.warning;
    EXPECT_NE(choice.warning.find(games + " or " + installed + ";"), std::string::npos) << choice.warning;
    EXPECT_NE(choice.warning.find("TOBRAKKA_DATA"), std::string::npos);
    EXPECT_EQ(choice.warning.find('\n'), std::string::npos);

    const DataRootChoice unknown = ChooseDataRoot(nullptr, "", "tobrakka");
    EXPECT_EQ(unknown.directory, "");
    EXPECT_FALSE(unknown.warning.empty());
}
