// Finding a day's level with the bot's check, as the game and tobrakka-sim --daily do: within
// the rules, the same level for the same date, kept in the daily folder once found.
#include "app/daily/dailylevel.h"
#include "app/daily/dailylookup.h"
#include "app/replay/replayfile.h"
#include "harness/dailybotcheck.h"

#include "app/dailytestdate.h"
#include "support/processrunner.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

LevelCheckMaker TheBot()
{
    return [](const std::string& file) { return std::make_unique<DailyBotCheck>(file); };
}

DailyFound Find(const std::string& date, const std::string& scratch, LevelCheckMaker check)
{
    DailyFinder finder(DateOf(date), scratch, std::move(check));
    while (!finder.Advance(1000)) {
    }
    EXPECT_EQ(finder.Problem(), "");
    return finder.Found();
}

// A check whose practised bot never clears the level: every candidate is too hard.
class NeverCleared : public LevelCheck {
public:
    bool Advance(uint32_t) override
    {
        figures_.practised = {false, dailyrules::kMostPractisedLoops + 1, 400000};
        return true;
    }
    const LevelCheckFigures& Figures() const override { return figures_; }

private:
    LevelCheckFigures figures_;
};

} // namespace

TEST(DailyFinder, TheBotKeepsTheSameLevelForADateWithinTheRules)
{
    testsupport::TempDir dir;
    struct Day {
        const char* date;
        uint32_t candidate;
        uint64_t hash;
    };
    for (const Day& day : {Day{"2026-12-10", 1, 0x1e9bee4fa8c4ead9ull}, Day{"2026-12-19", 3, 0xfc675c3fcc8df577ull}, Day{"2027-01-01", 0, 0xdaf057bd90104d4aull}}) {
        const DailyFound found = Find(day.date, dir.File("candidate.txt"), TheBot());
        EXPECT_TRUE(found.kept) << day.date;
        EXPECT_GE(found.figures.practised.loops, dailyrules::kFewestPractisedLoops) << day.date;
        EXPECT_LE(found.figures.practised.loops, dailyrules::kMostPractisedLoops) << day.date;
        ASSERT_EQ(found.figures.novice.size(), dailyrules::kNoviceSeeds) << day.date;
        for (const BotRun& run : found.figures.novice)
            EXPECT_TRUE(run.cleared && run.loops <= dailyrules::kMostNoviceLoops) << day.date;
        EXPECT_EQ(found.candidate, day.candidate) << day.date;
        EXPECT_EQ(LevelHash(found.text), day.hash) << day.date << ":\n" << found.text;
    }
}

TEST(DailyFinder, AfterACandidateTooHardTheNextIsGentlerAndTheLastIsTheDaysWhenNoneIsKept)
{
    testsupport::TempDir dir;
    const DailyFound found =
        Find("2026-12-10", dir.File("candidate.txt"), [](const std::string&) { return std::make_unique<NeverCleared>(); });
    EXPECT_FALSE(found.kept);
    EXPECT_EQ(found.candidate, DailyLevelMaker::kCandidates - 1);
    EXPECT_EQ(found.tempo, DailyLevelMaker::kGentlest);
    EXPECT_EQ(found.text, DailyLevelMaker(DateOf("2026-12-10")).Candidate(found.candidate, found.tempo).text);
}

TEST(DailyBotCheck, StopsAtTheFirstRunThatPutsTheLevelOut)
{
    testsupport::TempDir dir;
    // Big robots from the first second on: the practised bot is not through it in six loops.
    std::string level = "60000\n";
    for (int t = 500; t < 50000; t += 700)
        level += std::to_string(t) + ",1\n";
    dir.Write("hard.txt", level);
    DailyBotCheck check(dir.File("hard.txt"));
    while (!check.Advance(1000)) {
    }
    EXPECT_FALSE(check.Figures().practised.cleared);
    EXPECT_TRUE(check.Figures().novice.empty()) << "the novice need not play a level already out";
}

TEST(DailyLookup, ADayFoundIsKeptAndReadBackWithoutTheBotUnlessItsFileWasChanged)
{
    testsupport::TempDir dir;
    const DailyFolder folder(dir.File("daily"));
    DailyLookup first(DateOf("2026-12-10"), folder, TheBot());
    while (!first.Advance(1000)) {
    }
    ASSERT_TRUE(first.Ready()) << first.Problem();
    EXPECT_EQ(testsupport::ReadFile(folder.LevelPath(DateOf("2026-12-10"))), first.Found().text);

    const LevelCheckMaker noBot;
    const DailyLookup again(DateOf("2026-12-10"), folder, noBot);
    ASSERT_TRUE(again.Ready());
    EXPECT_EQ(again.Found().text, first.Found().text);
    EXPECT_EQ(again.Found().Par(), first.Found().Par());
    EXPECT_EQ(again.Found().name, "Thursday's Hunt");

    dir.Write("daily/2026-12-10.txt", "1000\n10,1\n");
    DailyLookup changed(DateOf("2026-12-10"), folder, TheBot());
    EXPECT_FALSE(changed.Ready());
    while (!changed.Advance(1000)) {
    }
    EXPECT_EQ(testsupport::ReadFile(folder.LevelPath(DateOf("2026-12-10"))), first.Found().text);
}

TEST(DailySim, ADateWithNoLevelIsOneLineAndNoLevel)
{
    testsupport::TempDir dir;
    for (const char* date : {"2026-02-30", "someday", "2025-12-31", "2101-01-01"}) {
        const testsupport::ProcessResult out =
            testsupport::RunProcess(dir.Path(), {}, std::string(TOBRAKKA_SIM_BINARY) + " --daily " + date, 60);
        EXPECT_EQ(out.exitStatus, 2) << date;
        EXPECT_EQ(std::count(out.output.begin(), out.output.end(), '\n'), 1) << out.output;
    }
}
