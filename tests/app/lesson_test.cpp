// The lesson played by an input script as the program pumps it: each step's prompt in turn, each
// waiting for its deed, on to play once a chain has been made; Tab and the lesson's pause card
// leave it at any moment; its prompts name the player's own keys, or the pad's.
#include "app/profile/commandline.h"
#include "app/profile/settingskeeper.h"
#include "app/screens/lessonscreen.h"
#include "audio/soundoutput.h"
#include "engine/input/gamekeys.h"
#include "harness/toolrun.h"
#include "world/gameplay.h"

#include "support/fakeplatform.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

using testsupport::FakeClock;
using To = GameScreen::Change::To;
using LessonStep = LessonCoach::Step;

const std::string kPlayedThrough = std::string(TOBRAKKA_SOURCE_DIR) + "/tests/data/lesson.script";

// The lines of a script timed before the cut, and a release of the fire button there.
std::string CutAt(const std::string& script, uint32_t cut)
{
    std::istringstream lines(script);
    std::string kept, line;
    while (std::getline(lines, line)) {
        if (line.empty() || line[0] == '#' || std::stoul(line) < cut)
            kept += line + "\n";
    }
    return kept + std::to_string(cut) + " release\n";
}

struct LessonTest : ::testing::Test {
    testsupport::TempDir dir;
    FakeClock clock{1000};
    SettingsKeeper keeper{SettingsFile(dir.File("settings")), CommandLine()};
    ToolRun tools;
    std::unique_ptr<LessonScreen> lesson;
    std::vector<GameEvent> due;

    // What the player saw on the way: each step's title and first line as it began, and the
    // game times it began and its deed was done.
    struct Seen {
        std::string title;
        std::string firstLine;
        uint32_t startedAt = 0;
        uint32_t doneAt = 0;
    };
    std::vector<Seen> seen;

    LessonTest() { SetSoundEnabled(false); }
    ~LessonTest() override { SetSoundEnabled(true); }

    // The lesson with the script's events, seeded as the script was made (-seed 5), driving it as
    // it drives the menus.
    void Start(const std::string& script, Platform* platform = nullptr)
    {
        dir.Write("lesson.script", script);
        ASSERT_TRUE(tools.Configure({"-menus", "-script", dir.File("lesson.script"), "-seed", "5"}));
        LessonScreen::Setup setup;
        setup.settings = &keeper.InForce();
        setup.keeper = &keeper;
        setup.platform = platform;
        setup.tools = &tools;
        setup.startAfter = 0;
        lesson = std::make_unique<LessonScreen>(setup);
    }

    // One step, then the script's due events, as the program's pump hands them out.
    void Step()
    {
        clock.Set(lesson->NextDue());
        ASSERT_TRUE(lesson->Tick(FakeClock::Now()));
        lesson->LetToolsLook(tools, 0);
        due.clear();
        lesson->TakeToolEvents(tools, 0, due);
        for (const GameEvent& event : due) {
            if (lesson->TakesEvents())
                lesson->HandleToolEvent(FromToolsWindow(event));
        }
        Note();
    }

    void Note()
    {
        const PromptWords& prompt = lesson->Prompt();
        if (seen.empty() || seen.back().title != prompt.title)
            seen.push_back({prompt.title, prompt.lines.empty() ? "" : PlainText(prompt.lines.front()),
                            lesson->Loop().PhaseTime()});
        if (prompt.done && seen.back().doneAt == 0)
            seen.back().doneAt = lesson->Loop().PhaseTime();
    }

    // Steps until ms have passed on the script's clock (which runs on while the game is paused)
    // or the lesson is left.
    void Play(uint32_t ms)
    {
        const uint32_t end = lesson->Loop().ToolTime() + ms;
        while (lesson->WhatNext().to == To::kStay && lesson->Loop().ToolTime() < end)
            Step();
    }

    std::vector<std::string> Titles() const
    {
        std::vector<std::string> titles;
        for (const Seen& step : seen)
            titles.push_back(step.title);
        return titles;
    }
};

} // namespace

TEST_F(LessonTest, AScriptIsLedThroughEveryStepAndOnToLevelOneOnceItHasMadeAChain)
{
    Start(testsupport::ReadFile(kPlayedThrough));
    bool chained = false;
    while (lesson->WhatNext().to == To::kStay && lesson->Loop().PhaseTime() < 120000) {
        Step();
        chained = chained || lesson->Phase().gameplay.ChainExplosionsWaiting() > 0;
        if (!lesson->Prompt().done)
            continue;
        const LessonStep step = lesson->Coach().Current();
        EXPECT_TRUE(step != LessonStep::kFire || lesson->Coach().RobotsShot() >= LessonCoach::kRobotsToShoot);
        EXPECT_TRUE(step != LessonStep::kLoop || lesson->Phase().gameplay.Loop() >= 2);
        EXPECT_TRUE(step != LessonStep::kChain || chained) << "the chain's step is done only once a chain went off";
    }
    EXPECT_EQ(Titles(), (std::vector<std::string>{"1 \u00B7 Move", "2 \u00B7 Aim and fire", "3 \u00B7 The loop",
                                                  "4 \u00B7 Your past self", "5 \u00B7 The chain", "Well done: a chain!"}));
    ASSERT_EQ(seen.size(), 6u);
    EXPECT_EQ(seen[0].firstLine, "[W] [A] [S] [D] walk about the sheet");
    EXPECT_EQ(seen[1].firstLine, "[mouse] aims \u00B7 hold [click] to fire");
    EXPECT_EQ(seen[2].firstLine, "shoot at the robots, then press [F5]");
    EXPECT_EQ(seen[3].firstLine, "the pencil figure is you, a loop ago:");
    EXPECT_EQ(seen[4].firstLine, "shoot a robot when your past self does:");
    EXPECT_EQ(seen[5].firstLine, "clear a level: stay alive until its time runs out");
    EXPECT_GE(seen[3].doneAt - seen[2].doneAt, LessonCoach::kWatchMs) << "the past self is watched a while";
    EXPECT_EQ(PlainText(lesson->Prompt().footer), "[Tab] skip the lesson \u00B7 [Esc] pause");
    EXPECT_EQ(lesson->WhatNext().to, To::kPlay) << "the continue key after the chain goes on to play";
    EXPECT_EQ(lesson->WhatNext().startAfter, 0);
}

TEST_F(LessonTest, EachStepWaitsForItsDeed)
{
    const std::string script = testsupport::ReadFile(kPlayedThrough);
    Start(script);
    Play(120000);
    const std::vector<Seen> through = seen;
    ASSERT_EQ(through.size(), 6u);
    const auto timeOf = [&script](const std::string& what) {
        const std::size_t at = script.find(what);
        return static_cast<uint32_t>(std::stoul(script.substr(script.rfind('\n', at) + 1)));
    };
    struct Stop {
        uint32_t cut;
        std::string stuckAt;
    };
    // No move at all; walking but never firing; shots but never a new loop; a past self that
    // shoots alone.
    const Stop stops[] = {{0, through[0].title},
                          {timeOf(" click"), through[1].title},
                          {timeOf(" down 286"), through[2].title},
                          {through[4].startedAt, through[4].title}};
    for (const Stop& stop : stops) {
        seen.clear();
        tools = ToolRun();
        Start(CutAt(script, stop.cut));
        Play(stop.cut + 10000);
        EXPECT_EQ(lesson->Prompt().title, stop.stuckAt) << "cut at " << stop.cut;
        EXPECT_FALSE(lesson->Prompt().done) << stop.stuckAt;
        EXPECT_EQ(lesson->WhatNext().to, To::kStay);
    }
}

TEST_F(LessonTest, TabOrThePauseCardLeaveTheLessonAndTheCardHoldsTheGameStill)
{
    Start("500 down 9\n");
    Play(2000);
    EXPECT_EQ(lesson->WhatNext().to, To::kPlay) << "Tab skips into play";
    EXPECT_LT(lesson->Loop().PhaseTime(), 600u);

    seen.clear();
    tools = ToolRun();
    // Escape, then down twice to "Skip the lesson".
    Start("500 down 27\n1000 down 274\n1032 down 274\n1500 down 13\n");
    Play(800);
    ASSERT_NE(lesson->Card(), nullptr);
    EXPECT_TRUE(lesson->Loop().Paused());
    const uint32_t held = lesson->Loop().PhaseTime();
    Play(600);
    EXPECT_EQ(lesson->Loop().PhaseTime(), held) << "the world stands still under the card";
    Play(2000);
    EXPECT_EQ(lesson->WhatNext().to, To::kPlay);
    EXPECT_FALSE(lesson->Loop().Paused()) << "left running, so its sound is not held";

    tools = ToolRun();
    // Escape, then up twice to "Main menu".
    Start("500 down 27\n600 down 273\n632 down 273\n700 down 13\n");
    Play(2000);
    EXPECT_EQ(lesson->WhatNext().to, To::kMainMenu);
}

TEST_F(LessonTest, ThePromptsNameThePlayersOwnKeysOrThePadsButtons)
{
    ControlSettings controls = ControlSettings::Defaults();
    controls.KeysOf(Action::kUp)[0] = KeyInput::Key('i');
    controls.KeysOf(Action::kRestartLoop)[0] = KeyInput::Key('r');
    Settings chosen = keeper.InForce();
    chosen.controls = controls;
    keeper.Choose(chosen);
    testsupport::FakePlatform platform;
    Start("", &platform);
    Step();
    EXPECT_EQ(PlainText(lesson->Prompt().lines.front()), "[I] [A] [S] [D] walk about the sheet");

    LessonCoach coach;
    coach.Skip();
    coach.Skip();
    EXPECT_EQ(PlainText(LessonWords(coach, InputNames(&platform, &controls)).lines.front()),
              "shoot at the robots, then press [R]");
    platform.Queue(GameEvent::PadButton(pads::kSouth, true), pads::Family::kXbox);
    GameEvent event;
    platform.Poll(event);
    const PromptWords pad = LessonWords(LessonCoach(), InputNames(&platform, &controls));
    EXPECT_EQ(PlainText(pad.lines.front()), "[L stick] walk about the sheet");
    EXPECT_EQ(PlainText(pad.footer), "[Back] skip the lesson");
}
