// The daily level's own pieces as a player meets them: the dates it takes, the levels a date
// makes (the same forever), the medals by the level's par and the line a player shares.
#include "app/daily/dailydate.h"
#include "app/daily/dailydice.h"
#include "app/daily/dailykinds.h"
#include "app/daily/dailylevel.h"
#include "app/daily/dailywords.h"
#include "app/replay/replayfile.h"
#include "app/text/translate.h"
#include "world/leveltimeline.h"

#include "app/dailytestdate.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// The event types of a level as the game reads its text; ordered: whether the times rise and
// stay within the level's length.
std::set<int> TypesOf(const std::string& text, bool& ordered)
{
    const LevelFile level = ParseLevelText(text);
    std::set<int> types;
    ordered = level.hasLength;
    int32_t last = 0;
    for (const TimelineEvent& event : level.events) {
        ordered = ordered && event.time >= last && event.time < level.length;
        last = event.time;
        types.insert(event.type);
    }
    return types;
}

} // namespace

TEST(DailyDate, ReadsTheDaysItHasLevelsForAndSaysInOneLineWhyOthersAreNot)
{
    const DailyDate date = DateOf("2026-12-10");
    EXPECT_EQ(date.Weekday(), "Thursday");
    EXPECT_EQ(date.Long(), "10 Dec 2026");
    EXPECT_EQ(DailyDate::OfDayNumber(date.DayNumber()).Text(), "2026-12-10");
    EXPECT_EQ(DateOf("2028-02-29").Text(), "2028-02-29");
    EXPECT_EQ(DateOf("2100-12-31").DayNumber() - DateOf("2100-12-30").DayNumber(), 1);
    for (const char* wrong : {"2026-02-30", "2100-02-29", "tomorrow", "2026-1-01", "2026-13-01", "", "2025-12-31",
                              "2101-01-01", "+026-01-01"}) {
        DailyDate read;
        std::string problem;
        EXPECT_FALSE(DailyDate::Read(wrong, read, problem)) << wrong;
        EXPECT_FALSE(problem.empty()) << wrong;
        EXPECT_EQ(problem.find('\n'), std::string::npos) << problem;
    }
}

TEST(DailyDice, ADaysGeneratorsAreNoneThatATypedSeedGives)
{
    for (const char* text : {DailyDate::kFirst, "2026-12-10", DailyDate::kLast}) {
        const int32_t day = DateOf(text).DayNumber();
        for (uint32_t stream = 0; stream < DailyDice::kStreams; ++stream) {
            const RandomGenerators dice = DailyDice::Generators(day, stream);
            // Only one seed gives the runtime generator's state; it never gives the minimal one.
            const RandomGenerators seeded(dice.RuntimeRandomState());
            EXPECT_EQ(seeded.RuntimeRandomState(), dice.RuntimeRandomState());
            EXPECT_NE(seeded.RandomState(), dice.RandomState()) << text << " stream " << stream;
        }
    }
}

TEST(DailyLevel, ADateMakesTheSameLevelForever)
{
    // Pinned: a change to the maker, its table or its dice would give players of a day different
    // levels, and every kept day and replay of a daily level another level than it holds.
    const DailyLevelMaker maker(DateOf("2026-12-10"));
    EXPECT_EQ(maker.Name(), "Thursday's Hunt");
    EXPECT_EQ(LevelHash(maker.Candidate(0, 0).text), 0x55dabed143deb533ull);
    EXPECT_EQ(LevelHash(maker.Candidate(2, -1).text), 0x40c1ce3cf29b53e1ull);
    EXPECT_EQ(DailyLevelMaker(DateOf("2027-01-01")).Name(), "Friday's Siege");
    EXPECT_EQ(LevelHash(DailyLevelMaker(DateOf("2027-01-01")).Candidate(0, 3).text), 0x59be0a4210007aa7ull);
}

TEST(DailyLevel, EveryCandidateHoldsEveryKindOfTheTableInTheOrderTheGameReads)
{
    std::set<int> kinds;
    for (const DailyKind& kind : DailyKinds())
        kinds.insert(kind.type);
    std::set<std::string> names;
    for (int32_t day = DateOf("2026-12-01").DayNumber(); day < DateOf("2026-12-15").DayNumber(); ++day) {
        const DailyLevelMaker maker(DailyDate::OfDayNumber(day));
        names.insert(maker.Name());
        for (int tempo = DailyLevelMaker::kGentlest; tempo <= DailyLevelMaker::kHarshest; ++tempo) {
            const std::string text = maker.Candidate(static_cast<uint32_t>(day % 7), tempo).text;
            bool ordered = false;
            EXPECT_EQ(TypesOf(text, ordered), kinds) << text;
            EXPECT_TRUE(ordered) << text;
        }
    }
    EXPECT_GE(names.size(), 10u) << "a fortnight's days are named alike";
}

TEST(DailyMedal, AClearEarnsItsMedalByTheLevelsParAndTheSharedLineSaysIt)
{
    DailyPar par;
    par.practisedLoops = 3;
    par.noviceTenths = 73;
    EXPECT_EQ(MedalOf(true, 2, par), Medal::kGold);
    EXPECT_EQ(MedalOf(true, 3, par), Medal::kGold);
    EXPECT_EQ(MedalOf(true, 7, par), Medal::kSilver);
    EXPECT_EQ(MedalOf(true, 8, par), Medal::kBronze);
    EXPECT_EQ(MedalOf(false, 2, par), Medal::kNone);
    EXPECT_EQ(DailyParWords(par), "gold in 3 loops, silver in 7");

    DailyDay day;
    day.counted = DailyDay::Counted::kCleared;
    day.result = {3, 41216, false};
    day.medal = Medal::kGold;
    EXPECT_EQ(DailyResultLine(DateOf("2026-12-10"), day), "Tobrakka \u00B7 10 Dec 2026 \u00B7 3 loops \u00B7 0:41.2 \u00B7 gold");
    day.counted = DailyDay::Counted::kLeft;
    day.result.assisted = true;
    EXPECT_EQ(DailyResultLine(DateOf("2026-12-10"), day), "Tobrakka \u00B7 10 Dec 2026 \u00B7 left in loop 3 \u00B7 assisted");
    day.counted = DailyDay::Counted::kPlaying;
    EXPECT_EQ(DailyResultLine(DateOf("2026-12-10"), day), "");
}

TEST(DailyDate, TheDayAndItsLevelAreSaidInTheLanguageSpokenWhileTheLevelsFileKeepsItsEnglishName)
{
    const DailyDate date = DateOf("2026-12-10");
    const std::string english = DailyLevelMaker(date).Name();
    Speak(translation::LanguageOfCode("ja"));
    const std::string japanese = date.Long();
    Speak(translation::LanguageOfCode("fr"));
    const std::string french = date.SpokenWeekday() + " " + date.Long();
    const std::string frenchName = DailyLevelMaker(date).ShownName();
    const std::string fileName = DailyLevelMaker(date).Name();
    Speak(nullptr);
    EXPECT_EQ(japanese, "2026\u5E7412\u670810\u65E5");
    EXPECT_EQ(french, "jeudi 10 d\u00E9c. 2026");
    EXPECT_EQ(fileName, english) << "the name in the level's file, and so its hash, stay as they were";
    EXPECT_NE(frenchName, english);
    EXPECT_NE(frenchName.find("jeudi"), std::string::npos) << frenchName;
}
