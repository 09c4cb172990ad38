// What the game names for the player: the keys as their own layout types them, the pad's buttons
// as the pad in hand labels them, on the title's controls, under the menus and after a death.
#include "app/menu/controlsnote.h"
#include "app/text/keycaps.h"
#include "app/menu/menuhint.h"
#include "engine/input/gamekeys.h"
#include "engine/render/texturecache.h"

#include "support/fakeplatform.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

namespace {

using Row = ControlsNote::Row;

// The platform as the player last played it: a key pressed, or a pad's button of the family.
void LastUsed(testsupport::FakePlatform& platform, bool pad, pads::Family family = pads::Family::kGeneric)
{
    platform.Queue(pad ? GameEvent::PadButton(pads::kSouth, true) : GameEvent::Key(gamekeys::kSpace, true), family);
}

std::vector<std::string> KeysOf(const std::vector<Row>& rows, std::size_t row) { return rows.at(row).keys; }

} // namespace

TEST(InputNames, TheControlsNameTheKeysOfThePlayersLayoutOrThePadInHand)
{
    testsupport::FakePlatform platform;
    EXPECT_EQ(KeysOf(ControlsNote::Rows(InputNames(&platform)), 0), (std::vector<std::string>{"W", "A", "S", "D"}));
    EXPECT_EQ(KeysOf(ControlsNote::Rows(InputNames(&platform)), 6), (std::vector<std::string>{"Esc"}));

    platform.layout = {{gamekeys::kW, "Z"}, {gamekeys::kA, "Q"}}; // a French keyboard
    EXPECT_EQ(KeysOf(ControlsNote::Rows(InputNames(&platform)), 0), (std::vector<std::string>{"Z", "Q", "S", "D"}));

    LastUsed(platform, true, pads::Family::kPlayStation);
    const std::vector<Row> pad = ControlsNote::Rows(InputNames(&platform));
    EXPECT_EQ(KeysOf(pad, 0), (std::vector<std::string>{"L stick"}));
    EXPECT_EQ(KeysOf(pad, 2), (std::vector<std::string>{"Cross"})) << "the button that continues";
    LastUsed(platform, true, pads::Family::kNintendo);
    EXPECT_EQ(KeysOf(ControlsNote::Rows(InputNames(&platform)), 2), (std::vector<std::string>{"B"}));
    LastUsed(platform, false);
    EXPECT_EQ(KeysOf(ControlsNote::Rows(InputNames(&platform)), 3), (std::vector<std::string>{"Space"}));
}

TEST(InputNames, TheMenusSayHowToTakeAndGoBackWithTheDeviceInHand)
{
    testsupport::FakePlatform platform;
    EXPECT_EQ(MenuHint::Text(InputNames(&platform)), "Enter: take \u00B7 Esc: back");
    EXPECT_EQ(MenuHint::Text(InputNames(nullptr)), "Enter: take \u00B7 Esc: back") << "no window: the keyboard";
    LastUsed(platform, true, pads::Family::kXbox);
    EXPECT_EQ(MenuHint::Text(InputNames(&platform)), "A: take \u00B7 B: back");
    LastUsed(platform, true, pads::Family::kPlayStation);
    EXPECT_EQ(MenuHint::Text(InputNames(&platform)), "Cross: take \u00B7 Circle: back");
}

TEST(InputNames, TheNotesAfterADeathAndAClearNameTheButtonOnTheGamesOwnPictures)
{
    testsupport::ScopedCapture capture;
    EXPECT_EQ(PressPicture("Space"), datafiles::kPressSpace) << "the hand-drawn press space";
    const std::string cross = PressPicture("Cross");
    const TextureEntry* note = FindTexture(cross);
    ASSERT_NE(note, nullptr) << cross;
    const TextureEntry* blank = GetTexture(datafiles::kPressBlank);
    ASSERT_NE(blank, nullptr);
    EXPECT_EQ(note->width, blank->width);
    EXPECT_EQ(note->height, blank->height);
    EXPECT_EQ(PressPicture("Cross"), cross) << "composed once";
    EXPECT_EQ(ClearedPicture("Space"), datafiles::kLevelCleared) << "the hand-drawn banner";
    const TextureEntry* banner = FindTexture(ClearedPicture("Enter"));
    ASSERT_NE(banner, nullptr);
    EXPECT_EQ(banner->width, GetTexture(datafiles::kLevelClearedBlank)->width);
    EXPECT_GT(KeyCapWidth("Keypad Enter", datafiles::GlyphSize::kLarge), KeyCapWidth("A", datafiles::GlyphSize::kLarge));
    EXPECT_EQ(KeyCapWidth("", datafiles::GlyphSize::kSmall), datafiles::KeyCapMetricsOf(datafiles::GlyphSize::kSmall).narrowest);
}

TEST(InputNames, AHintTooWideForThePictureBreaksAfterItsLastColonThatFitsAndStaysOnIt)
{
    testsupport::ScopedCapture capture;
    MenuHint hint;
    hint.Show("cannot install my pack: the file cannot be opened: No such file or directory, nor any like it");
    hint.Draw();
    float top = kVirtualHeight;
    float bottom = 0.0f;
    for (const auto& quad : capture.Backend().Quads()) {
        const testsupport::Box box = testsupport::BoxOf(quad.quad);
        EXPECT_GE(box.left, 0.0f);
        EXPECT_LE(box.right, kVirtualWidth);
        top = std::min(top, box.top);
        bottom = std::max(bottom, box.bottom);
    }
    EXPECT_GT(bottom - top, 40.0f) << "two lines";
    EXPECT_LE(bottom, kVirtualHeight);
}
