// A pack's records follow its levels by their hash: a pack made from the player's levels, zipped,
// installed on a fresh profile and played keeps its records when a newer version reorders it, a
// changed level starts fresh, and the game's own records stay as they were.
#include "app/levels/mylevels.h"
#include "app/levels/packinstaller.h"
#include "app/levels/packshelf.h"
#include "app/menu/levelscard.h"
#include "app/profile/progresskeeper.h"
#include "app/replay/replayfile.h"

#include "support/worldfixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct PackRecordsTest : testsupport::WorldTest {
    MyLevels mine{dir.File("profile/levels")};
    PackPlaces places{dir.File("profile/packs"), dir.File("own")};
    ProgressFile progress{dir.File("progress")};
    uint32_t phaseTime = 0;
    std::string problem;

    // Zips the chosen levels of My levels as the given version of one pack and installs it.
    ShelfPack Install(const std::vector<std::string>& files, const std::string& version)
    {
        const PackList meta{"paper-cuts", "Paper cuts", "Ann", version, "CC0-1.0", {}};
        const std::string zip = dir.File("paper-cuts-" + version + ".zip");
        EXPECT_TRUE(mine.MakePack(meta, files, zip, problem)) << problem;
        const PackInstall installed = InstallPack(zip, places);
        EXPECT_TRUE(installed.installed) << installed.line;
        return PackShelf(places, dir.File("fresh-levels")).Packs().at(0);
    }

    // Plays each level of the pack's list in one loop, as the game plays a book.
    void PlayAll(const ShelfPack& pack)
    {
        kolm::CLevelList list(pack.listFile, kolm::CLevelList::Names::kInListFolder);
        ProgressKeeper keeper(progress, list, [&list](int position) { return LevelFileHash(list.FileNameAt(position)); });
        for (std::string file = list.NextLevelFile(); !file.empty(); file = list.NextLevelFile()) {
            gameplay.LoadLevel(file);
            while (!gameplay.IsLevelCleared()) {
                gameplay.Update(16);
                keeper.AfterStep(gameplay, phaseTime);
                phaseTime += 16;
            }
        }
    }

    // What the level select's lines of the pack say.
    std::vector<std::string> Lines(const ShelfPack& pack) const
    {
        std::vector<std::string> lines;
        for (const ShelfLevel& level : pack.levels) {
            const Menu::Choice line = LevelsCard::BookLineOf(progress.Load(), level);
            lines.push_back(line.label + ": " + line.note);
        }
        return lines;
    }
};

} // namespace

TEST_F(PackRecordsTest, AReorderedPackKeepsItsRecordsAndAChangedLevelStartsFresh)
{
    dir.Write("progress", "cleared 4\nrecord 1 2 15360\n"); // the game's own, from before
    std::string one, two;
    ASSERT_TRUE(mine.Add("One", "1000\n", one, problem)) << problem;
    ASSERT_TRUE(mine.Add("Two", "2000\n", two, problem)) << problem;
    ASSERT_TRUE(mine.SetPar(two, 3, 9000, problem)) << problem;

    const ShelfPack first = Install({one, two}, "1");
    EXPECT_EQ(Lines(first), (std::vector<std::string>{"1. One: ", "2. Two: par 3 loops"}));
    PlayAll(first);
    EXPECT_EQ(Lines(first), (std::vector<std::string>{"1. One: 1 loop · 0:01.0", "2. Two: 1 loop · 0:02.0"}));

    const ShelfPack reordered = Install({two, one}, "2");
    EXPECT_EQ(Lines(reordered), (std::vector<std::string>{"1. Two: 1 loop · 0:02.0", "2. One: 1 loop · 0:01.0"}));

    ASSERT_TRUE(mine.Save(two, "2500\n", problem)) << problem;
    const ShelfPack changed = Install({two, one}, "3");
    EXPECT_EQ(Lines(changed), (std::vector<std::string>{"1. Two: par 3 loops", "2. One: 1 loop · 0:01.0"}));

    const Progress kept = progress.Load();
    EXPECT_EQ(kept.cleared, 4);
    EXPECT_EQ(kept.records.size(), 1u);
    EXPECT_EQ(kept.RecordOf(1), (LevelRecord{2, 15360}));
    EXPECT_EQ(kept.byHash.size(), 2u);
}
