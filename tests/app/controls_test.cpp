// The player's controls: read from the settings file by name, bad lines named and left at their
// defaults, and turned into what the game hears, so that a game played with any bindings records
// and replays as the game's own keys.
#include "app/control/bindings.h"
#include "app/control/controlsfile.h"
#include "app/play/frameloop.h"
#include "app/play/gamephase.h"
#include "app/profile/settingsfile.h"
#include "audio/soundoutput.h"
#include "engine/input/gamekeys.h"
#include "engine/input/padbuttons.h"
#include "harness/headlessgame.h"
#include "harness/inputscript.h"
#include "harness/toolrun.h"
#include "world/worlddigest.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace {

using namespace gamekeys;

ControlSettings Read(const std::string& text, std::vector<kolm::FileProblem>& problems)
{
    return ParseSettings(text, problems).controls;
}

// No key or button is on two actions.
void ExpectEachKeyOnce(const ControlSettings& controls)
{
    std::set<std::pair<int, int32_t>> seen;
    for (Action action : kActions) {
        for (const KeyInput& input : controls.KeysOf(action)) {
            if (!input.Empty()) {
                EXPECT_TRUE(seen.insert({static_cast<int>(input.kind), input.code}).second) << KeyInputName(input);
            }
        }
    }
}

std::vector<GameEvent> InPlay(Bindings& bindings, const GameEvent& event)
{
    std::vector<GameEvent> heard;
    bindings.InPlay(event, heard);
    return heard;
}

} // namespace

TEST(ControlsFile, BindingsAreReadByNameAndWrittenBackTheSame)
{
    std::vector<kolm::FileProblem> problems;
    const ControlSettings read = Read("bind_up = I, Up\nbind_fire = Mouse Right\npad_continue = a\npad_pause = start\n"
                                      "fire_mode = toggle\npad_dead_zone = 30\npad_fire_threshold = 40\nbind_pause = none\n",
                                      problems);
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(read.KeysOf(Action::kUp)[0], KeyInput::Key('i'));
    EXPECT_EQ(read.KeysOf(Action::kFire)[0], KeyInput::Mouse(GameEvent::kRightButton));
    EXPECT_EQ(read.PadOf(Action::kContinue), PadInput::Button(pads::kSouth));
    EXPECT_TRUE(read.KeysOf(Action::kPause)[0].Empty());
    EXPECT_TRUE(read.toggleFire);
    EXPECT_EQ(read.padDeadZone, 30);
    EXPECT_EQ(read.padFireThreshold, 40);
    EXPECT_EQ(Read(FormatControls(read), problems), read) << FormatControls(read);
    EXPECT_TRUE(problems.empty());
}

TEST(ControlsFile, BadLinesAreNamedOnceAndTheirActionsKeepTheirDefaults)
{
    std::string many = "bind_down = ";
    for (int i = 0; i < 500; ++i)
        many += "X, ";
    std::vector<kolm::FileProblem> problems;
    const ControlSettings read = Read("bind_up = NoSuchKey\nbind_left =\n" + many + "Q\nbind_right = D, D\n"
                                      "bind_pause = F5\nbind_menu = dpup\npad_pause = nothing\n"
                                      "bind_fire = \x01\xff\xfe junk\npad_dead_zone = 80\nfire_mode = fast\n",
                                      problems);
    const std::vector<int> bad = {1, 2, 3, 4, 6, 7, 8, 9, 10}; // all but the F5 of line 5
    ASSERT_EQ(problems.size(), bad.size());
    for (std::size_t i = 0; i < problems.size(); ++i)
        EXPECT_EQ(problems[i].line, bad[i]) << problems[i].what;
    EXPECT_NE(problems[0].what.find("NoSuchKey"), std::string::npos);
    EXPECT_NE(problems[1].what.find("binds nothing"), std::string::npos);
    EXPECT_NE(problems[2].what.find("one or two keys"), std::string::npos);
    ControlSettings expected = ControlSettings::Defaults();
    expected.KeysOf(Action::kPause) = {KeyInput::Key(kF5), KeyInput()};
    expected.KeysOf(Action::kRestartLoop) = {KeyInput(), KeyInput()};
    EXPECT_EQ(read, expected) << "only the good line counts: F5 moves to pause";
    ExpectEachKeyOnce(read);
}

TEST(ControlsFile, AKeyTwoLinesBindGoesToTheFirstAndMovementAndTheMenuKeepAKey)
{
    std::vector<kolm::FileProblem> problems;
    const ControlSettings read = Read("bind_up = I\nbind_down = I, K\nbind_pause = Escape\nbind_fire = W, S\n", problems);
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_EQ(problems[0].line, 2);
    EXPECT_NE(problems[0].what.find("bound to up already (line 1)"), std::string::npos) << problems[0].what;
    EXPECT_EQ(problems[1].line, 3);
    EXPECT_NE(problems[1].what.find("menu without a key"), std::string::npos) << problems[1].what;
    EXPECT_EQ(problems[2].line, 4) << "S is down's, and down's own line was refused";
    EXPECT_NE(problems[2].what.find("take S from down"), std::string::npos) << problems[2].what;
    EXPECT_EQ(read.KeysOf(Action::kUp)[0], KeyInput::Key('i'));
    EXPECT_EQ(read.KeysOf(Action::kMenu)[0], KeyInput::Key(kEscape));
    EXPECT_EQ(read.KeysOf(Action::kDown)[0], KeyInput::Key(kS)) << "down keeps its defaults";
    ExpectEachKeyOnce(read);
}

TEST(ControlsFile, ALineThatWouldTakeAMovementKeyWithoutItsActionsOwnLineIsRefusedAndNamed)
{
    std::vector<kolm::FileProblem> problems;
    const ControlSettings alone = Read("bind_fire = W\n", problems);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].what, "it would take W from up, which has no line of its own; line ignored, its action "
                                "keeps its default");
    EXPECT_EQ(alone, ControlSettings::Defaults()) << "W still moves up, the mouse still fires";

    problems.clear();
    const ControlSettings said = Read("bind_up = Up\nbind_fire = W\nbind_restart_loop = Space\n", problems);
    EXPECT_TRUE(problems.empty()) << "up's own line gave W away; space is no movement key: "
                                  << (problems.empty() ? "" : problems[0].what);
    EXPECT_EQ(said.KeysOf(Action::kFire)[0], KeyInput::Key(kW));
    EXPECT_TRUE(said.KeysOf(Action::kContinue)[0].Empty()) << "continue may lose its key";
    ExpectEachKeyOnce(said);
}

TEST(Bindings, InPlayABoundKeyIsHeardAsItsActionsOwnAndAKeyMovedAwayIsNotHeard)
{
    ControlSettings controls = ControlSettings::Defaults();
    controls.KeysOf(Action::kUp) = {KeyInput::Key('i'), KeyInput::Key(kUp)};
    controls.PadOf(Action::kPause) = PadInput::Button(pads::kStart);
    Bindings bindings(controls);
    const std::vector<GameEvent> up = InPlay(bindings, GameEvent::Key('i', true));
    ASSERT_EQ(up.size(), 1u);
    EXPECT_TRUE(up[0].IsKeyDown(kW)) << "the up action as the key at W's place";
    EXPECT_TRUE(InPlay(bindings, GameEvent::Key(kW, true)).empty()) << "w moves the hero no more";
    EXPECT_EQ(InPlay(bindings, GameEvent::Key('x', true)).size(), 1u) << "a key of no action is heard as it is";
    EXPECT_TRUE(InPlay(bindings, GameEvent::PadButton(pads::kStart, true))[0].IsKeyDown(kP));
    EXPECT_EQ(InPlay(bindings, GameEvent::PadButton(pads::kSouth, true))[0].type, GameEvent::Type::kPadDown)
        << "any other button still continues";
    EXPECT_TRUE(bindings.InMenu(GameEvent::Key(kW, true)).IsKeyDown(kW)) << "the menus hear the rest as it is";

    controls.PadOf(Action::kContinue) = PadInput::Button(pads::kSouth);
    bindings.Set(controls);
    EXPECT_TRUE(InPlay(bindings, GameEvent::PadButton(pads::kSouth, true))[0].IsKeyDown(kSpace));
    EXPECT_TRUE(InPlay(bindings, GameEvent::PadButton(pads::kWest, true)).empty()) << "only the bound one continues";
}

TEST(Bindings, ToggledFireStartsWithOnePressAndStopsWithTheNext)
{
    ControlSettings controls = ControlSettings::Defaults();
    controls.toggleFire = true;
    Bindings bindings(controls);
    const GameEvent press = GameEvent::MouseButton(GameEvent::kLeftButton, true);
    const GameEvent release = GameEvent::MouseButton(GameEvent::kLeftButton, false);
    EXPECT_EQ(InPlay(bindings, press)[0].type, GameEvent::Type::kMouseDown);
    EXPECT_TRUE(InPlay(bindings, release).empty()) << "it fires on";
    EXPECT_EQ(InPlay(bindings, press)[0].type, GameEvent::Type::kMouseUp);
    EXPECT_TRUE(InPlay(bindings, release).empty());
}

TEST(Bindings, AGamePlayedWithReboundKeysReplaysToTheSameDigestWithoutThem)
{
    testsupport::TempDir dir;
    testsupport::ScopedCapture capture;
    dir.Write("level.txt", "60000\n200,3\n500,2\n");
    ControlSettings controls = ControlSettings::Defaults();
    controls.KeysOf(Action::kRight) = {KeyInput::Key('l'), KeyInput()};
    controls.KeysOf(Action::kFire) = {KeyInput::Key(kSpace), KeyInput()};
    controls.KeysOf(Action::kContinue) = {KeyInput::Key(kReturn), KeyInput()};
    controls.toggleFire = true;
    controls.padDeadZone = 40;
    std::string played;
    {
        ToolRun recording;
        ASSERT_TRUE(recording.Configure({"-record", dir.File("played.script"), "-seed", "4"}));
        HeadlessGame game(dir.File("level.txt"), 4, nullptr);
        FrameLoop::Options options;
        options.controls = &controls;
        FrameLoop loop(options, game.Phase(), &recording);
        const std::pair<int, GameEvent> person[] = {
            {30, GameEvent::Key('l', true)}, {60, GameEvent::Key(kSpace, true)}, {61, GameEvent::Key(kSpace, false)},
            {90, GameEvent::Key('l', false)}, {95, GameEvent::PadAxis(pads::kLeftX, -15000)}, {130, GameEvent::Key(kSpace, true)}};
        for (int step = 1, next = 0; step <= 200; ++step) {
            loop.StepAndHandleEvents();
            for (; next < 6 && person[next].first == step; ++next)
                loop.Dispatch(person[next].second);
        }
        played = DigestOf(game.Game()).ToString();
        recording.PhaseEnded(game.Phase());
    }
    const std::string recorded = testsupport::ReadFile(dir.File("played.script"));
    EXPECT_NE(recorded.find("0 padzones 40 50\n"), std::string::npos) << recorded;
    EXPECT_NE(recorded.find(" down 100\n"), std::string::npos) << "right as d: " << recorded;
    EXPECT_EQ(recorded.find(" 108\n"), std::string::npos) << "never the l pressed: " << recorded;
    InputScript script;
    std::string error;
    ASSERT_TRUE(script.Load(dir.File("played.script"), error)) << error;
    HeadlessGame replay(dir.File("level.txt"), 4, &script);
    for (int step = 1; step <= 200; ++step)
        replay.Step();
    EXPECT_EQ(DigestOf(replay.Game()).ToString(), played);
}

TEST(ControlsFile, ChangesOfTwoGamesAreJoinedActionByActionUnlessTheyClash)
{
    const ControlSettings was = ControlSettings::Defaults();
    ControlSettings firstGame = was; // fire on F, the dead zone at 30
    firstGame.KeysOf(Action::kFire) = {KeyInput::Key('f'), KeyInput()};
    firstGame.padDeadZone = 30;
    ControlSettings onDisk = was; // the second game's: restart on R
    onDisk.KeysOf(Action::kRestartLoop) = {KeyInput::Key('r'), KeyInput()};
    const ControlSettings joined = WithChanges(onDisk, was, firstGame);
    EXPECT_EQ(joined.KeysOf(Action::kFire)[0], KeyInput::Key('f'));
    EXPECT_EQ(joined.KeysOf(Action::kRestartLoop)[0], KeyInput::Key('r'));
    EXPECT_EQ(joined.padDeadZone, 30);

    onDisk.KeysOf(Action::kRestartLoop) = {KeyInput::Key('f'), KeyInput()}; // F taken by both
    const ControlSettings clash = WithChanges(onDisk, was, firstGame);
    EXPECT_TRUE(Playable(clash));
    EXPECT_EQ(clash.keys, firstGame.keys) << "the later change's keys whole";
}
