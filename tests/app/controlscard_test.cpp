// The Controls card as a player uses it with the game's events: a line taken, then the key or pad
// button pressed binds it at once and for the next run; a key another action had moves and the
// card says from where; the menu's only key cannot be taken from it.
#include "app/profile/commandline.h"
#include "app/menu/controlscard.h"
#include "app/profile/settingskeeper.h"
#include "audio/soundoutput.h"
#include "engine/input/gamekeys.h"
#include "engine/input/padbuttons.h"

#include "support/fakeplatform.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

namespace {

using namespace gamekeys;

struct ControlsCardTest : ::testing::Test {
    testsupport::TempDir dir;
    testsupport::ScopedCapture capture;
    testsupport::FakePlatform platform;
    SettingsKeeper settings{SettingsFile(dir.File("settings")), CommandLine()};
    ControlsCard card{settings, &platform};

    ControlsCardTest() { SetSoundEnabled(false); }
    ~ControlsCardTest() override { SetSoundEnabled(true); }

    // Marks the action's line and takes it, then presses the key.
    void Rebind(Action action, const GameEvent& pressed)
    {
        while (card.Card().Chosen() != static_cast<int>(action))
            card.Hear(GameEvent::Key(kDown, true));
        card.Hear(GameEvent::Key(kReturn, true));
        card.Hear(pressed);
    }
    const ControlSettings& InForce() const { return settings.InForce().controls; }
};

} // namespace

TEST_F(ControlsCardTest, AKeyPressedForALineBindsItAtOnceAndForTheNextRun)
{
    Rebind(Action::kUp, GameEvent::Key('i', true));
    EXPECT_EQ(InForce().KeysOf(Action::kUp)[0], KeyInput::Key('i'));
    EXPECT_EQ(InForce().KeysOf(Action::kUp)[1], KeyInput::Key(kW)) << "the first key becomes the second";
    EXPECT_EQ(card.Card().ChoiceAt(0).note, "I, W");
    EXPECT_EQ(SettingsFile(dir.File("settings")).Load().controls, InForce()) << "kept for the next run";

    card.Hear(GameEvent::Key(kReturn, true));
    card.Hear(GameEvent::Key(kBackspace, true));
    EXPECT_EQ(card.Card().ChoiceAt(0).note, "I") << "Backspace clears the second";
    card.Hear(GameEvent::Key(kReturn, true));
    card.Hear(GameEvent::Key(kEscape, true));
    EXPECT_EQ(card.Card().ChoiceAt(0).note, "I") << "Escape cancels";
    EXPECT_EQ(card.WhatNext().to, GameScreen::Change::To::kStay);
}

TEST_F(ControlsCardTest, AKeyAnotherActionHadMovesAndTheCardSaysFromWhere)
{
    Rebind(Action::kPause, GameEvent::Key(kF5, true));
    EXPECT_EQ(card.Message(), "F5 was restart loop");
    EXPECT_EQ(InForce().KeysOf(Action::kPause)[0], KeyInput::Key(kF5));
    EXPECT_TRUE(InForce().KeysOf(Action::kRestartLoop)[0].Empty());

    Rebind(Action::kFire, GameEvent::Key(kW, true));
    EXPECT_EQ(card.Message(), "W was up");
    Rebind(Action::kFire, GameEvent::Key(kUp, true));
    EXPECT_EQ(card.Message(), "Up is the only key of up, which needs one");
    EXPECT_EQ(InForce().KeysOf(Action::kUp)[0], KeyInput::Key(kUp)) << "refused: a movement keeps a key";
}

TEST_F(ControlsCardTest, APadButtonBindsThePadsBindingWhenThePadTookTheLine)
{
    platform.Queue(GameEvent::PadButton(pads::kSouth, true), pads::Family::kPlayStation);
    card.Hear(GameEvent::PadButton(pads::kDpadDown, true)); // the pad in use: the card shows the pad's bindings
    EXPECT_EQ(card.Card().ChoiceAt(static_cast<int>(Action::kContinue)).note, "Cross");
    while (card.Card().Chosen() != static_cast<int>(Action::kPause))
        card.Hear(GameEvent::PadButton(pads::kDpadDown, true));
    card.Hear(GameEvent::PadButton(pads::kSouth, true));
    card.Hear(GameEvent::PadButton(pads::kStart, true));
    EXPECT_EQ(InForce().PadOf(Action::kPause), PadInput::Button(pads::kStart));
    EXPECT_EQ(card.Card().ChoiceAt(static_cast<int>(Action::kPause)).note, "Options");
    EXPECT_EQ(InForce().KeysOf(Action::kPause)[0], KeyInput::Key(kP)) << "the keyboard's binding stays";
}

TEST_F(ControlsCardTest, WaitingForAKeyItsLineAndTheHintSayWhatWorksAndThePromptStandsAboveTheCard)
{
    const InputNames names(&platform, &InForce());
    EXPECT_EQ(card.Hint(names), "Enter: take \u00B7 Esc: back");
    card.Hear(GameEvent::Key(kReturn, true)); // the line of "up"
    EXPECT_EQ(card.Card().ChoiceAt(0).note, "press a key");
    EXPECT_EQ(card.Message(), "press a key for up");
    EXPECT_EQ(card.Hint(names), "Esc: cancel \u00B7 Backspace: clear the second")
        << "Enter would bind Enter now: the hint names only what still works";
    card.Draw();
    const float cardTop = card.Card().CardBox().y;
    int prompt = 0;
    for (const auto& drawn : capture.Backend().Quads()) {
        const testsupport::Box box = testsupport::BoxOf(drawn.quad);
        if (box.bottom <= cardTop) {
            ++prompt;
            EXPECT_GT(box.top, 0.0f) << "the prompt fits on the picture";
        }
        EXPECT_LT(box.bottom, kVirtualHeight - 50.0f) << "nothing near the hint line at the bottom edge";
    }
    EXPECT_GT(prompt, 10) << "the prompt's letters stand in the room above the card";
    card.Hear(GameEvent::Key(kEscape, true));
    EXPECT_EQ(card.Card().ChoiceAt(0).note, "W, Up") << "cancelled, the line shows its keys again";
    EXPECT_EQ(card.Hint(names), "Enter: take \u00B7 Esc: back");
}
