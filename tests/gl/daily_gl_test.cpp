// Today's level in the real game: taken from the main menu, found while its card shows, played
// (counted in the history from its start), left from the pause card back to today's card, where
// the next attempt is practice.
#include "app/daily/dailycard.h"
#include "app/screens/dailyscreen.h"
#include "app/screens/mainmenu.h"
#include "engine/input/gamekeys.h"

#include "app/dailytestcheck.h"
#include "support/gamerun.h"
#include "support/sdlinput.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct DailyGameTest : testsupport::ProgramRunFixture {
    DailyGameTest() : ProgramRunFixture("60000\n", "60000\n") {}

    void Press(Program& program, std::initializer_list<int32_t> keys)
    {
        for (int32_t key : keys) {
            testsupport::PushKey(key, true, false);
            testsupport::PushKey(key, false, false);
        }
        ASSERT_TRUE(RunFor(program, 200));
    }
    static const DailyCard* Card(Program& program)
    {
        const auto* menu = dynamic_cast<const MainMenu*>(program.Shown());
        return menu ? dynamic_cast<const DailyCard*>(menu->Card()) : nullptr;
    }
    std::string History() const { return testsupport::ReadFile(dir.File(".state/tobrakka/daily/history")); }
};

} // namespace

TEST_F(DailyGameTest, TodaysLevelIsCountedFromItsStartAndLeftFromThePauseCard)
{
    const DailyDate today = DailyDate::Today();
    if (!today.InRange())
        GTEST_SKIP() << "the clock has no daily level";
    using namespace gamekeys;
    testsupport::InDirectory(dir.Path(), [&] {
        Program program({}, nullptr, KeepsTheFirstCandidate::Maker());
        ASSERT_TRUE(RunFor(program, 100));
        SDL_WarpMouseGlobal(0, 0);
        Press(program, {kReturn});               // the title
        Press(program, {kDown, kDown, kReturn}); // Today's level
        ASSERT_NE(Card(program), nullptr);
        ASSERT_NE(Card(program)->Found(), nullptr) << Card(program)->DateLine();
        EXPECT_EQ(Card(program)->Card().ChoiceAt(DailyCard::kPlay).note, "counts");

        Press(program, {kReturn});
        auto* daily = dynamic_cast<DailyScreen*>(program.Shown());
        ASSERT_NE(daily, nullptr);
        ASSERT_NE(daily->Attempt(), nullptr);
        EXPECT_TRUE(daily->Attempt()->Counted());
        EXPECT_EQ(History(), "day " + today.Text() + " playing\n");
        EXPECT_EQ(daily->Play().Phase().gameplay.LevelFile(), dir.File(".state/tobrakka/daily/" + today.Text() + ".txt"));

        Press(program, {kEscape, kDown, kDown, kDown, kDown, kReturn}); // the pause card's Main menu
        ASSERT_NE(Card(program), nullptr) << "back on today's card";
        EXPECT_EQ(History().rfind("day " + today.Text() + " left 1 ", 0), 0u) << History();
        EXPECT_EQ(Card(program)->Card().ChoiceAt(DailyCard::kPlay).note, "practice");
        EXPECT_EQ(Card(program)->ResultLine(), "Tobrakka \u00B7 " + today.Long() + " \u00B7 left in loop 1");

        Press(program, {kReturn});
        daily = dynamic_cast<DailyScreen*>(program.Shown());
        ASSERT_NE(daily, nullptr);
        EXPECT_FALSE(daily->Attempt()->Counted());
    });
}

TEST_F(DailyGameTest, ADailyDateWithNoLevelIsOneLineAndNoWindow)
{
    for (const char* date : {"2026-02-30", "tomorrow", "2025-12-31"}) {
        // No display at all: a window tried would fail otherwise, with exit status 1.
        const testsupport::ProcessResult out = testsupport::RunProcess(
            dir.Path(), {"DISPLAY=", "SDL_AUDIODRIVER=dummy"}, std::string(TOBRAKKA_GAME_BINARY) + " -daily " + date, 60);
        EXPECT_EQ(out.exitStatus, 2) << date << ": " << out.output;
        EXPECT_EQ(std::count(out.output.begin(), out.output.end(), '\n'), 1) << out.output;
        EXPECT_NE(out.output.find(date), std::string::npos) << out.output;
    }
}
