// The options screen: a change is in force and kept at once, "Back to defaults" undoes every one,
// a settings file that cannot be written is said on the card, and the language is chosen there.
#include "app/profile/commandline.h"
#include "engine/input/gamekeys.h"
#include "app/menu/optionscard.h"
#include "app/profile/settingskeeper.h"
#include "app/text/translate.h"
#include "audio/soundoutput.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct OptionsCardTest : ::testing::Test {
    testsupport::TempDir dir;
    testsupport::ScopedCapture capture;
    OptionsCardTest() { SetSoundEnabled(false); }
    ~OptionsCardTest() override
    {
        SetSoundEnabled(true);
        Speak(nullptr);
    }

    // What the last key did; kBack when the card is done.
    enum class Did { kNothing, kShown, kSettingsChanged, kBack };
    static Did Press(OptionsCard& screen, std::initializer_list<int32_t> keys)
    {
        MenuCard::Heard last = MenuCard::Heard::kNothing;
        for (int32_t key : keys)
            last = screen.Hear(GameEvent::Key(key, true));
        if (screen.WhatNext().to == GameScreen::Change::To::kBack)
            return Did::kBack;
        return last == MenuCard::Heard::kSettingsChanged ? Did::kSettingsChanged
                                                         : last == MenuCard::Heard::kShown ? Did::kShown : Did::kNothing;
    }
};

} // namespace

TEST_F(OptionsCardTest, AChangeIsInForceAndKeptAtOnceAndBackToDefaultsUndoesIt)
{
    CommandLine commandLine;
    commandLine.showFps = true;
    SettingsKeeper settings(SettingsFile(dir.File("settings")), commandLine);
    OptionsCard screen(settings, nullptr);
    EXPECT_EQ(Press(screen, {gamekeys::kDown, gamekeys::kLeft, gamekeys::kLeft}), Did::kSettingsChanged);
    EXPECT_EQ(settings.InForce().effectsVolume, 8);
    const std::string kept = testsupport::ReadFile(dir.File("settings"));
    EXPECT_NE(kept.find("effects_volume = 8"), std::string::npos) << kept;
    EXPECT_NE(kept.find("show_fps = off"), std::string::npos) << "-fps is this run's only: " << kept;

    // Down to "Back to defaults" and take it.
    using namespace gamekeys;
    EXPECT_EQ(Press(screen, {kDown, kDown, kDown, kDown, kDown, kDown, kDown, kDown, kDown, kDown, kDown, kReturn}),
              Did::kSettingsChanged);
    EXPECT_EQ(settings.InForce(), Settings::Defaults());
    EXPECT_NE(testsupport::ReadFile(dir.File("settings")).find("effects_volume = 10"), std::string::npos);
    EXPECT_EQ(Press(screen, {gamekeys::kDown, gamekeys::kReturn}), Did::kBack);
    OptionsCard again(settings, nullptr);
    EXPECT_EQ(Press(again, {gamekeys::kEscape}), Did::kBack);
}

TEST_F(OptionsCardTest, ASettingsFileThatCannotBeWrittenIsSaidOnTheCardAndTheChangeHolds)
{
    dir.Write("blocked", "a file where the folder should be");
    SettingsKeeper settings(SettingsFile(dir.File("blocked/tobrakka/settings")), CommandLine());
    OptionsCard screen(settings, nullptr);
    EXPECT_TRUE(screen.Card().ChoiceAt(OptionsCard::kBack).note.empty());
    testing::internal::CaptureStderr();
    EXPECT_EQ(Press(screen, {gamekeys::kLeft}), Did::kSettingsChanged);
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(settings.InForce().musicVolume, 9);
    EXPECT_EQ(screen.Card().ChoiceAt(OptionsCard::kBack).note, "settings not saved");
    EXPECT_NE(errors.find("blocked"), std::string::npos) << errors;
}

TEST_F(OptionsCardTest, GameSpeedStepsOneOfferedSpeedEachWayRightFasterAndStopsAtItsEnds)
{
    SettingsKeeper settings(SettingsFile(dir.File("settings")), CommandLine());
    OptionsCard screen(settings, nullptr);
    using namespace gamekeys;
    for (int line = 0; line < OptionsCard::kGameSpeed; ++line)
        Press(screen, {kDown});
    EXPECT_EQ(Press(screen, {kRight}), Did::kNothing) << "100 % is the top";
    EXPECT_EQ(settings.InForce().gameSpeed, 100);
    Press(screen, {kLeft});
    EXPECT_EQ(settings.InForce().gameSpeed, 90);
    Press(screen, {kLeft, kLeft, kLeft, kLeft, kLeft, kLeft});
    EXPECT_EQ(settings.InForce().gameSpeed, 50) << "and 50 % the bottom";
    Press(screen, {kRight});
    EXPECT_EQ(settings.InForce().gameSpeed, 60);
    EXPECT_NE(testsupport::ReadFile(dir.File("settings")).find("game_speed = 60"), std::string::npos);
}

TEST_F(OptionsCardTest, TwoGamesChangingDifferentOptionsAtOnceBothKeepTheirChange)
{
    dir.Write("settings", "music_volume = 10\neffects_volume = 10\n");
    // Two games started on the same file, each with its options open.
    SettingsKeeper first(SettingsFile(dir.File("settings")), CommandLine());
    SettingsKeeper second(SettingsFile(dir.File("settings")), CommandLine());
    OptionsCard firstCard(first, nullptr);
    OptionsCard secondCard(second, nullptr);
    using namespace gamekeys;
    for (int i = 0; i < 7; ++i)
        Press(firstCard, {kLeft}); // music 3
    Press(secondCard, {kDown});
    for (int i = 0; i < 5; ++i)
        Press(secondCard, {kLeft}); // effects 5
    const Settings kept = SettingsFile(dir.File("settings")).Load();
    EXPECT_EQ(kept.musicVolume, 3) << "the first game's change was kept";
    EXPECT_EQ(kept.effectsVolume, 5);
    EXPECT_EQ(second.Kept().musicVolume, 3) << "the second game knows the file as it left it";
    EXPECT_EQ(second.InForce().musicVolume, 10) << "but plays on at its own";
}

TEST_F(OptionsCardTest, TheSettingsFilesProblemsAreSaidUnderTheCardTheFirstTimeItShows)
{
    dir.Write("settings", "music_volume = 3\nbind_fire = W\nrumble = loud\nshow_fps = on\n");
    testing::internal::CaptureStderr();
    SettingsKeeper settings(SettingsFile(dir.File("settings")), CommandLine());
    testing::internal::GetCapturedStderr();
    const std::vector<std::string> said = OptionsCard(settings, nullptr).FileProblemLines();
    ASSERT_EQ(said.size(), 2u);
    EXPECT_EQ(said[0], "settings line 2: it would take W from up, which has no line of its own");
    EXPECT_EQ(said[1], "settings line 3: rumble takes a whole number from 0 to 10, not \"loud\"");
    EXPECT_TRUE(OptionsCard(settings, nullptr).FileProblemLines().empty()) << "said once";
    EXPECT_EQ(settings.InForce().musicVolume, 3) << "the good lines hold";
}

TEST_F(OptionsCardTest, TheLanguageLineNamesEachLanguageInItsOwnWordsAndTheCardSpeaksItAtOnce)
{
    SettingsKeeper settings(SettingsFile(dir.File("settings")), CommandLine());
    OptionsCard screen(settings, nullptr);
    const Menu::Choice& line = screen.Card().ChoiceAt(OptionsCard::kLanguage);
    EXPECT_EQ(line.items.at(static_cast<std::size_t>(line.value)), "Auto");
    EXPECT_NE(std::find(line.items.begin(), line.items.end(), "Polski"), line.items.end());
    EXPECT_NE(std::find(line.items.begin(), line.items.end(), "日本語"), line.items.end());
    using namespace gamekeys;
    for (int i = 0; i < OptionsCard::kLanguage; ++i)
        Press(screen, {kDown});
    EXPECT_EQ(Press(screen, {kRight, kRight, kRight}), Did::kSettingsChanged); // English, Français, Deutsch
    EXPECT_EQ(settings.InForce().language, "de");
    EXPECT_EQ(screen.Card().Title(), "Optionen");
    EXPECT_EQ(screen.Card().ChoiceAt(OptionsCard::kMusic).label, "Musik");
    EXPECT_NE(testsupport::ReadFile(dir.File("settings")).find("language = de"), std::string::npos);
    Press(screen, {kDown, kDown, kReturn}); // Back to defaults
    EXPECT_EQ(settings.InForce().language, "de") << "the player's language is no option to undo";
    EXPECT_EQ(screen.Card().ChoiceAt(OptionsCard::kBack).label, "Zurück");
}
