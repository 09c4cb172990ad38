// The player's own levels as the editor's screens use them: made, copied, named, given a par,
// saved and removed, each kept in the folder's pack.xml, and made into a pack that installs
// elsewhere and reads back with its names, par and hashes.
#include "app/levels/mylevels.h"

#include "app/levels/packinstaller.h"
#include "app/levels/packshelf.h"
#include "app/profile/levelpar.h"
#include "app/replay/replayfile.h"
#include "app/text/translate.h"
#include "utils/levellist/clevellist.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

const std::string kFirst = "60000\n1000,3\n";
const std::string kSecond = "45000\n500,1\n";

struct MyLevelsTest : testing::Test {
    testsupport::TempDir dir;
    MyLevels mine{dir.File("levels")};
    std::string problem;

    std::string Add(const std::string& name, const std::string& text)
    {
        std::string file;
        EXPECT_TRUE(mine.Add(name, text, file, problem)) << problem;
        return file;
    }

    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const MyLevels::Level& level : mine.List())
            names.push_back(level.file + "=" + level.name);
        return names;
    }
};

} // namespace

TEST_F(MyLevelsTest, LevelsAreMadeCopiedNamedSavedAndRemovedInTheirOrder)
{
    EXPECT_TRUE(mine.List().empty());
    const std::string first = Add("Warm-up", kFirst);
    const std::string second = Add("Big one", kSecond);
    std::string copy;
    ASSERT_TRUE(mine.Copy(first, "Warm-up again", copy, problem)) << problem;
    EXPECT_EQ(Names(), (std::vector<std::string>{"level-1.txt=Warm-up", "level-2.txt=Big one", "level-3.txt=Warm-up again"}));
    EXPECT_EQ(testsupport::ReadFile(dir.File("levels/" + copy)), kFirst);

    ASSERT_TRUE(mine.Rename(second, "The big one", problem)) << problem;
    ASSERT_TRUE(mine.Save(first, "30000\n", problem)) << problem;
    ASSERT_TRUE(mine.SetPar(second, 3, 41000, problem)) << problem;
    ASSERT_TRUE(mine.Delete(copy, problem)) << problem;
    EXPECT_EQ(Names(), (std::vector<std::string>{"level-1.txt=Warm-up", "level-2.txt=The big one"}));
    const std::vector<MyLevels::Level> levels = mine.List();
    EXPECT_EQ(levels[0].hash, LevelHash("30000\n"));
    EXPECT_EQ(levels[1].parLoops, 3);
    EXPECT_EQ(levels[1].parTime, 41000);
    EXPECT_EQ(Add("", kFirst), "level-3.txt") << "numbers go on past the highest";

    kolm::CLevelList list(mine.ListFile(), kolm::CLevelList::Names::kInListFolder);
    EXPECT_EQ(list.NextLevelFile(), dir.File("levels/level-1.txt"));
    EXPECT_EQ(list.NextLevelFile(), dir.File("levels/level-2.txt"));
}

TEST_F(MyLevelsTest, AFilePutInByHandIsListedAndOneTakenOutIsForgotten)
{
    const std::string first = Add("One", kFirst);
    Add("Two", kSecond);
    dir.Write("levels/mine.txt", kSecond);
    std::filesystem::remove(dir.File("levels/" + first));
    EXPECT_EQ(Names(), (std::vector<std::string>{"level-2.txt=Two", "mine.txt="}));
    ASSERT_TRUE(mine.Tidy(problem)) << problem;
    kolm::CLevelList list(mine.ListFile(), kolm::CLevelList::Names::kInListFolder);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.FileNameAt(2), dir.File("levels/mine.txt"));
}

TEST_F(MyLevelsTest, WhatCannotBeDoneIsRefusedAndChangesNothing)
{
    const std::string first = Add("One", kFirst);
    const std::string listBefore = testsupport::ReadFile(mine.ListFile());
    EXPECT_FALSE(mine.Save(first, std::string(64 * 1024 + 1, '\n'), problem));
    EXPECT_EQ(problem, "a level of more than 64 KB cannot be kept among your levels");
    EXPECT_FALSE(mine.Rename("../progress", "x", problem));
    EXPECT_EQ(problem, "My levels hold no level file \"../progress\"");
    EXPECT_FALSE(mine.Rename(first, std::string(201, 'n'), problem));
    EXPECT_FALSE(mine.SetPar(first, 1001, 0, problem));
    EXPECT_FALSE(mine.Delete("level-9.txt", problem));
    std::string file;
    EXPECT_FALSE(MyLevels("").Add("x", kFirst, file, problem));
    EXPECT_EQ(problem, "there is no folder for your levels (neither XDG_DATA_HOME nor HOME is set)");
    EXPECT_EQ(testsupport::ReadFile(dir.File("levels/" + first)), kFirst);
    EXPECT_EQ(testsupport::ReadFile(mine.ListFile()), listBefore);
}

TEST_F(MyLevelsTest, APackOfChosenLevelsInstallsInAFreshProfileAndReadsBackWhole)
{
    const std::string first = Add("First & best", kFirst);
    const std::string second = Add("Second", kSecond);
    Add("Left out", "1000\n");
    ASSERT_TRUE(mine.SetPar(first, 2, 30000, problem)) << problem;
    const PackList meta{"anns-pack", "Ann's pack", "Ann", "1", "CC-BY-4.0", {}};
    ASSERT_TRUE(mine.MakePack(meta, {second, first}, dir.File("anns-pack.zip"), problem)) << problem;

    const PackPlaces fresh{dir.File("fresh/packs"), dir.File("fresh/own")};
    const PackInstall installed = InstallPack(dir.File("anns-pack.zip"), fresh);
    ASSERT_TRUE(installed.installed) << installed.line;
    const std::vector<ShelfPack> packs = PackShelf(fresh, dir.File("fresh/levels")).Packs();
    ASSERT_EQ(packs.size(), 1u);
    const ShelfPack& pack = packs[0];
    EXPECT_EQ(pack.source, ShelfPack::Source::kInstalled);
    EXPECT_EQ(pack.list.title, "Ann's pack");
    EXPECT_EQ(pack.list.licence, "CC-BY-4.0");
    ASSERT_EQ(pack.levels.size(), 2u);
    EXPECT_EQ(pack.levels[0].name, "Second");
    EXPECT_EQ(pack.levels[0].hash, LevelHash(kSecond));
    EXPECT_EQ(pack.levels[1].name, "First & best");
    EXPECT_EQ(pack.levels[1].hash, LevelHash(kFirst));
    EXPECT_EQ(pack.levels[1].parLoops, 2);
    EXPECT_EQ(pack.levels[1].parTime, 30000);
    kolm::CLevelList list(pack.listFile, kolm::CLevelList::Names::kInListFolder);
    EXPECT_EQ(testsupport::ReadFile(list.FileNameAt(1)), kSecond);
    EXPECT_EQ(list.FileNameAt(2), pack.levels[1].path);
}

TEST_F(MyLevelsTest, TheShelfListsTheGamesPacksThenTheInstalledThenMyLevels)
{
    Add("Mine", kFirst);
    const auto place = [&](const std::string& folder, const std::string& id) {
        std::filesystem::create_directories(dir.File(folder + "/" + id));
        dir.Write(folder + "/" + id + "/pack.xml", "<LevelList id=\"" + id + "\" version=\"1\">\n"
                                                   "<Level position=\"1\" filename=\"a.txt\"></Level>\n</LevelList>\n");
        dir.Write(folder + "/" + id + "/a.txt", kSecond);
    };
    place("own", "notebook-2");
    place("packs", "zebra");
    place("packs", "alpha");
    place("packs", "notebook-2"); // the game's own id: left out
    std::filesystem::create_directories(dir.File("packs/.install-x"));
    std::filesystem::create_directories(dir.File("packs/broken"));
    testing::internal::CaptureStderr();
    const std::vector<ShelfPack> packs = PackShelf({dir.File("packs"), dir.File("own")}, mine.Folder()).Packs();
    const std::string warned = testing::internal::GetCapturedStderr();
    std::vector<std::string> ids;
    for (const ShelfPack& pack : packs)
        ids.push_back(pack.list.id);
    EXPECT_EQ(ids, (std::vector<std::string>{"notebook-2", "alpha", "zebra", "my-levels"}));
    EXPECT_EQ(packs[0].source, ShelfPack::Source::kGame);
    EXPECT_EQ(packs[3].levels[0].name, "Mine");
    EXPECT_NE(warned.find("the pack " + dir.File("packs/broken") + " cannot be played: its pack.xml cannot be opened"), std::string::npos)
        << warned;
}

TEST_F(MyLevelsTest, TheGamesOwnLevelNamesAreReadInTheLanguageSpokenAndAPlayersAsWritten)
{
    Add("Crossfire", kFirst); // a player may give a name of the game's own
    const auto place = [&](const std::string& folder) {
        std::filesystem::create_directories(dir.File(folder + "/book"));
        dir.Write(folder + "/book/pack.xml", "<LevelList id=\"book\" version=\"1\">\n"
                                             "<Level position=\"1\" filename=\"a.txt\" name=\"Crossfire\"></Level>\n</LevelList>\n");
        dir.Write(folder + "/book/a.txt", kSecond);
    };
    place("own");
    std::filesystem::create_directories(dir.File("packs"));
    Speak(translation::LanguageOfCode("fr"));
    std::vector<ShelfPack> packs = PackShelf({dir.File("packs"), dir.File("own")}, mine.Folder()).Packs();
    kolm::CLevelList::LevelEntry entry;
    entry.attributes["name"] = "Ruled Lines";
    const std::string own = NameOf(entry);
    place("packs");
    std::filesystem::remove_all(dir.File("own"));
    const std::vector<ShelfPack> installed = PackShelf({dir.File("packs"), dir.File("own")}, mine.Folder()).Packs();
    Speak(nullptr);
    EXPECT_EQ(own, "Lignes r\u00E9gl\u00E9es") << "the game's own list";
    EXPECT_EQ(packs[0].levels[0].name, "Feux crois\u00E9s") << "the game's own notebook";
    EXPECT_EQ(packs[1].levels[0].name, "Crossfire") << "My levels";
    EXPECT_EQ(installed[0].levels[0].name, "Crossfire") << "an installed pack";
}
