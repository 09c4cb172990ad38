// A golden run of the later robot kinds: the practised bot plays a level that holds every one of
// them (tests/data/robots_golden.txt) from a fixed seed, through its first loops, and the world
// must give exactly these digests. Any change in how the later kinds play (or in how the bot
// plays them) changes them; update them only on purpose, and say why in the commit.
#include "harness/botplayer.h"
#include "harness/headlessgame.h"
#include "world/worlddigest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(GoldenRun, EveryLaterRobotKindPlaysExactlyAsItAlwaysHas)
{
    const std::vector<std::string> golden = {
        "level=tests/data/robots_golden.txt t=16000 loop=1 player=alive cleared=0 robots=0/5 bullets=2 particles=22 "
        "sprites=31 hash=54ea8c9a52306da9",
        "level=tests/data/robots_golden.txt t=5120 loop=2 player=alive cleared=0 robots=4/14 bullets=3 particles=18 "
        "sprites=39 hash=9620839c9627f23c",
        "level=tests/data/robots_golden.txt t=21120 loop=2 player=alive cleared=0 robots=7/14 bullets=7 particles=12 "
        "sprites=40 hash=982170e7dde04928",
        "level=tests/data/robots_golden.txt t=37120 loop=2 player=alive cleared=0 robots=22/26 bullets=2 particles=119 "
        "sprites=156 hash=d2c2ace76e3865f3",
        "level=tests/data/robots_golden.txt t=10720 loop=3 player=alive cleared=0 robots=8/14 bullets=18 particles=0 "
        "sprites=39 hash=b16ae81a1a865b09",
        "level=tests/data/robots_golden.txt t=26720 loop=3 player=alive cleared=0 robots=14/17 bullets=9 particles=34 "
        "sprites=69 hash=58121b02aa06244c",
    };
    BotPlayer::Options options;
    options.seed = 7;
    BotPlayer bot(options);
    testing::internal::CaptureStdout();
    HeadlessGame game(std::string(TOBRAKKA_SOURCE_DIR) + "/tests/data/robots_golden.txt", 7, &bot);
    std::vector<std::string> digests;
    for (int step = 1; step <= 6000; ++step) {
        game.Step();
        if (step % 1000 == 0) {
            WorldDigest digest = DigestOf(game.Game());
            digest.level = "tests/data/robots_golden.txt";
            digests.push_back(digest.ToString());
        }
    }
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(digests, golden);
}
