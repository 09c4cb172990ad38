// The bot plays the later robot kinds: each trial level (data/trial/, one kind each, and one of
// them all) is cleared by the practised player and by the newcomer within the level check's 20
// loops, and a newcomer needs the time loop for every one of them.
#include "harness/botplayer.h"
#include "harness/headlessgame.h"
#include "world/world.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr std::size_t kGiveUpLoops = 20;

// The loop in which the bot clears the level, or 0 when it gives up.
std::size_t LoopOfClear(const std::string& file, const BotPlayer::Skill& skill)
{
    BotPlayer::Options options;
    options.skill = skill;
    BotPlayer bot(options);
    testing::internal::CaptureStdout();
    HeadlessGame game(file, 1, &bot);
    const Gameplay::CQuenlowZarnImpl* world = game.Game().World();
    while (!world->IsLevelCleared() && world->oldGuys.size() < kGiveUpLoops)
        game.Step();
    testing::internal::GetCapturedStdout();
    return world->IsLevelCleared() ? world->oldGuys.size() + 1 : 0;
}

} // namespace

TEST(BotPlaysTheLaterKinds, BothSkillsClearEveryTrialLevelAndANewcomerNeedsTheLoop)
{
    for (const char* trial : {"shield", "twins", "phantom", "hive", "sower", "allkinds"}) {
        const std::string file = std::string("data/trial/") + trial + ".txt";
        EXPECT_NE(LoopOfClear(file, BotPlayer::kPractised), 0u) << file;
        EXPECT_GT(LoopOfClear(file, BotPlayer::kNovice), 1u) << file;
    }
}
