// Today's card and the past days as a player meets them: the level found while the card shows,
// whether the next attempt counts, the result line to copy, the streaks, and a day taken.
#include "app/daily/dailycard.h"
#include "app/daily/dailyhistoryfile.h"

#include "app/dailytestcheck.h"
#include "app/dailytestdate.h"
#include "audio/soundoutput.h"
#include "engine/input/gamekeys.h"
#include "support/fakeplatform.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

using To = GameScreen::Change::To;

struct DailyCardTest : ::testing::Test {
    DailyCardTest() { SetSoundEnabled(false); }
    ~DailyCardTest() override { SetSoundEnabled(true); }

    testsupport::TempDir dir;
    testsupport::FakePlatform platform;

    std::unique_ptr<DailyCard> Open(const std::string& today, const std::string& history = "")
    {
        if (!history.empty()) {
            dir.MakeDir("daily");
            dir.Write("daily/history", history);
        }
        DailyCard::Setup setup;
        setup.today = DateOf(today);
        setup.folder = dir.File("daily");
        setup.historyPath = dir.File("daily/history");
        setup.check = KeepsTheFirstCandidate::Maker();
        setup.platform = &platform;
        auto card = std::make_unique<DailyCard>(setup);
        for (int poll = 0; poll < 100 && !card->Found(); ++poll)
            card->Animate(16);
        return card;
    }
    static void Press(MenuCard& card, std::initializer_list<int32_t> keys)
    {
        for (int32_t key : keys)
            card.Hear(GameEvent::Key(key, true));
    }
    static std::string Note(const MenuCard& card, int line) { return card.Card().ChoiceAt(line).note; }
};

} // namespace

TEST_F(DailyCardTest, TheLevelIsFoundWhileTheCardShowsAndTheFirstAttemptCounts)
{
    DailyCard::Setup setup;
    setup.today = DateOf("2026-12-10");
    setup.folder = dir.File("daily");
    setup.historyPath = dir.File("daily/history");
    setup.check = KeepsTheFirstCandidate::Maker();
    DailyCard card(setup);
    EXPECT_EQ(Note(card, DailyCard::kPlay), "finding");
    EXPECT_FALSE(card.Card().ChoiceAt(DailyCard::kPlay).enabled);
    EXPECT_NE(card.DateLine().find("the bot tries candidate"), std::string::npos) << card.DateLine();

    for (int poll = 0; poll < 100 && !card.Found(); ++poll)
        card.Animate(16);
    ASSERT_NE(card.Found(), nullptr);
    EXPECT_EQ(Note(card, DailyCard::kPlay), "counts");
    EXPECT_EQ(card.Card().Chosen(), DailyCard::kPlay) << "Play marked once there is a level";
    EXPECT_EQ(card.DateLine(), "Thursday 10 Dec 2026 \u00B7 gold in 3 loops, silver in 7");
    EXPECT_FALSE(card.Card().ChoiceAt(DailyCard::kCopy).enabled) << "nothing to copy before the day is played";

    Press(card, {gamekeys::kReturn});
    EXPECT_EQ(card.WhatNext().to, To::kDaily);
    EXPECT_EQ(card.WhatNext().daily, "2026-12-10");
    EXPECT_TRUE(card.WhatNext().dailyCounts);
}

TEST_F(DailyCardTest, AfterTheCountedAttemptTheCardShowsItsLineAndCopiesIt)
{
    auto card = Open("2026-12-10", "day 2026-12-10 cleared 3 41216 gold\n");
    EXPECT_EQ(Note(*card, DailyCard::kPlay), "practice");
    EXPECT_EQ(card->ResultLine(), "Tobrakka \u00B7 10 Dec 2026 \u00B7 3 loops \u00B7 0:41.2 \u00B7 gold");
    Press(*card, {gamekeys::kDown, gamekeys::kReturn});
    EXPECT_EQ(platform.clipboard, card->ResultLine());
    EXPECT_EQ(Note(*card, DailyCard::kCopy), "copied");

    card = Open("2026-12-10", "day 2026-12-10 playing\n");
    EXPECT_EQ(Note(*card, DailyCard::kPlay), "practice") << "an attempt never finished used the day up";
    EXPECT_FALSE(card->Card().ChoiceAt(DailyCard::kCopy).enabled);
}

TEST_F(DailyCardTest, AClockOutsideTheDaysOfLevelsOffersNone)
{
    DailyCard::Setup setup;
    setup.today = DailyDate::OfDayNumber(DateOf("2026-01-01").DayNumber() - 1);
    setup.folder = dir.File("daily");
    setup.historyPath = dir.File("daily/history");
    DailyCard card(setup);
    EXPECT_EQ(card.Found(), nullptr);
    EXPECT_FALSE(card.Card().ChoiceAt(DailyCard::kPlay).enabled);
    EXPECT_NE(card.DateLine().find("2025-12-31"), std::string::npos) << card.DateLine();
}

TEST_F(DailyCardTest, PastDaysShowTheStreaksAndEachDayAndPlayADayAsPractice)
{
    auto card = Open("2026-12-10", "day 2026-12-05 cleared 5 61000 bronze\nday 2026-12-06 cleared 4 50000 silver\n"
                                   "day 2026-12-08 left 4 52000\nday 2026-12-09 cleared 3 38400 gold\n"
                                   "practice 2026-12-08 3 47000\n");
    EXPECT_EQ(Note(*card, DailyCard::kPastDays), "streak 1");
    Press(*card, {gamekeys::kDown, gamekeys::kReturn}); // Copy is off: down goes to Past days
    const PastDaysCard* past = card->PastDays();
    ASSERT_NE(past, nullptr);
    EXPECT_EQ(Note(*past, 0), "1 day") << "today not played yet keeps yesterday's streak";
    EXPECT_EQ(Note(*past, 1), "2 days");
    ASSERT_EQ(past->Listed().size(), 4u);
    EXPECT_EQ(past->Card().ChoiceAt(PastDaysCard::kFirstDay).label, "9 Dec");
    EXPECT_EQ(Note(*past, PastDaysCard::kFirstDay), "3 loops \u00B7 0:38.4 \u00B7 gold");
    EXPECT_EQ(Note(*past, PastDaysCard::kFirstDay + 1), "left in loop 4");
    EXPECT_EQ(past->Under(), "Tobrakka \u00B7 9 Dec 2026 \u00B7 3 loops \u00B7 0:38.4 \u00B7 gold");

    Press(*card, {gamekeys::kDown, gamekeys::kReturn});
    EXPECT_EQ(card->WhatNext().to, To::kDaily);
    EXPECT_EQ(card->WhatNext().daily, "2026-12-08");
    EXPECT_FALSE(card->WhatNext().dailyCounts) << "a past day is practice";
}
