// The options screen: a change is in force and kept at once, "Back to defaults" undoes every one,
// and a settings file that cannot be written is said on the card.
#include "app/commandline.h"
#include "app/menuinput.h"
#include "app/optionsscreen.h"
#include "app/settingskeeper.h"
#include "audio/soundoutput.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

namespace {

struct OptionsScreenTest : ::testing::Test {
    testsupport::TempDir dir;
    testsupport::ScopedCapture capture;
    OptionsScreenTest() { SetSoundEnabled(false); }
    ~OptionsScreenTest() override { SetSoundEnabled(true); }

    static OptionsScreen::Outcome Press(OptionsScreen& screen, std::initializer_list<SDLKey> keys)
    {
        OptionsScreen::Outcome last = OptionsScreen::Outcome::kUnchanged;
        for (SDLKey key : keys)
            last = screen.Handle(KeyEvent(key, true));
        return last;
    }
};

} // namespace

TEST_F(OptionsScreenTest, AChangeIsInForceAndKeptAtOnceAndBackToDefaultsUndoesIt)
{
    CommandLine commandLine;
    commandLine.showFps = true;
    SettingsKeeper settings(SettingsFile(dir.File("settings")), commandLine);
    OptionsScreen screen(settings);
    EXPECT_EQ(Press(screen, {SDLK_DOWN, SDLK_LEFT, SDLK_LEFT}), OptionsScreen::Outcome::kChanged);
    EXPECT_EQ(settings.InForce().effectsVolume, 8);
    const std::string kept = testsupport::ReadFile(dir.File("settings"));
    EXPECT_NE(kept.find("effects_volume = 8"), std::string::npos) << kept;
    EXPECT_NE(kept.find("show_fps = off"), std::string::npos) << "-fps is this run's only: " << kept;

    // Down to "Back to defaults" and take it.
    EXPECT_EQ(Press(screen, {SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_RETURN}),
              OptionsScreen::Outcome::kChanged);
    EXPECT_EQ(settings.InForce(), Settings::Defaults());
    EXPECT_NE(testsupport::ReadFile(dir.File("settings")).find("effects_volume = 10"), std::string::npos);
    EXPECT_EQ(Press(screen, {SDLK_DOWN, SDLK_RETURN}), OptionsScreen::Outcome::kBack);
    EXPECT_EQ(Press(screen, {SDLK_ESCAPE}), OptionsScreen::Outcome::kBack);
}

TEST_F(OptionsScreenTest, ASettingsFileThatCannotBeWrittenIsSaidOnTheCardAndTheChangeHolds)
{
    dir.Write("blocked", "a file where the folder should be");
    SettingsKeeper settings(SettingsFile(dir.File("blocked/tobrakka/settings")), CommandLine());
    OptionsScreen screen(settings);
    EXPECT_TRUE(screen.Card().ChoiceAt(OptionsScreen::kBack).note.empty());
    testing::internal::CaptureStderr();
    EXPECT_EQ(Press(screen, {SDLK_LEFT}), OptionsScreen::Outcome::kChanged);
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(settings.InForce().musicVolume, 9);
    EXPECT_EQ(screen.Card().ChoiceAt(OptionsScreen::kBack).note, "settings not saved");
    EXPECT_NE(errors.find("blocked"), std::string::npos) << errors;
}
