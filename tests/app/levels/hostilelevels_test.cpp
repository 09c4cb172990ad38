// Levels are data: a pack whose level files are strange installs as any other, and each of them
// reads and plays by the level file's own rules without a crash or a hang: 100,000 events, events
// out of order, lengths of 0, 2^31 and below 0, event types the game does not know.
#include "app/levels/packinstaller.h"
#include "app/levels/packshelf.h"
#include "harness/botplayer.h"
#include "harness/headlessgame.h"
#include "packzips.h"
#include "world/world.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string ManyEvents()
{
    std::string level = "60000\n";
    for (int i = 0; i < 100000; ++i)
        level += "0," + std::to_string(1 + i % 5) + "\n";
    return level;
}

struct Played {
    bool cleared = false;
    std::size_t spawned = 0;
    uint32_t length = 0;
};

// The bot plays the level for 16 s of game time, or until it is cleared.
Played Play(const std::string& path)
{
    BotPlayer bot(BotPlayer::Options{});
    HeadlessGame game(path, 1, &bot);
    for (int step = 0; step < 1000 && !game.Game().IsLevelCleared(); ++step)
        game.Step();
    const Gameplay::CQuenlowZarnImpl& world = *game.Game().World();
    return Played{world.IsLevelCleared(), static_cast<std::size_t>(world.timeline.next), world.timeline.LevelLength()};
}

} // namespace

TEST(HostileLevels, StrangeLevelFilesInstallReadAndPlayByTheirOwnRules)
{
    const std::vector<std::string> levels = {
        ManyEvents(),
        "60000\n9000,3\n100,3\n200,2\n",          // out of order: each waits for the one before
        "0\n1000,3\n",                            // no time at all: cleared at once
        "2147483648\n100,3\n",                    // read as the largest length there is
        "-5\n100,3\n",                            // below 0
        "60000\n100,0\n200,-1\n300,6\n400,2147483647\n500,2\n"}; // unknown types spawn nothing
    testsupport::TempDir dir;
    dir.Write("strange.zip", ZipPack(packzips::Pack("strange", "1", "", levels)));
    const PackPlaces places{dir.File("packs"), dir.File("own")};
    const PackInstall installed = InstallPack(dir.File("strange.zip"), places);
    ASSERT_TRUE(installed.installed) << installed.line;
    const std::vector<ShelfPack> packs = PackShelf(places, "").Packs();
    ASSERT_EQ(packs.size(), 1u);
    ASSERT_EQ(packs[0].levels.size(), levels.size());

    const Played many = Play(packs[0].levels[0].path);
    EXPECT_FALSE(many.cleared);
    EXPECT_LE(many.spawned, 1000u) << "at most one event a step";
    EXPECT_GT(many.spawned, 100u);
    EXPECT_EQ(Play(packs[0].levels[1].path).spawned, 3u) << "the late first event holds back the rest, then they follow";
    EXPECT_TRUE(Play(packs[0].levels[2].path).cleared);
    EXPECT_EQ(Play(packs[0].levels[3].path).length, 2147483647u);
    EXPECT_FALSE(Play(packs[0].levels[4].path).cleared);
    EXPECT_EQ(Play(packs[0].levels[5].path).spawned, 5u);
}
