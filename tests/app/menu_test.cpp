// The menu widget as a player drives it: keys, pointer and pad move the mark, take choices and
// change values; a long list scrolls; the card is drawn with the mark on the chosen line.
#include "app/menu/menu.h"
#include "engine/input/gamekeys.h"
#include "engine/input/padbuttons.h"
#include "audio/soundoutput.h"
#include "engine/render/texturecache.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Kind = Menu::Event::Kind;

Menu::Choice Line(const char* label, bool enabled = true)
{
    Menu::Choice choice;
    choice.label = label;
    choice.enabled = enabled;
    return choice;
}

Menu::Choice Valued(const char* label, Menu::ValueKind kind, int value, std::vector<std::string> items = {})
{
    Menu::Choice choice = Line(label);
    choice.kind = kind;
    choice.value = value;
    choice.items = std::move(items);
    return choice;
}

GameEvent Key(int32_t key) { return GameEvent::Key(key, true); }

GameEvent Button(int32_t button) { return GameEvent::PadButton(button, true); }

GameEvent Axis(int32_t axis, int32_t value) { return GameEvent::PadAxis(axis, value); }

vector2 Middle(const rect& box) { return vector2(box.x + box.w * 0.5f, box.y + box.h * 0.5f); }

float Centre(const testsupport::Box& box) { return (box.left + box.right) * 0.5f; }

struct MenuTest : ::testing::Test {
    testsupport::ScopedCapture capture;

    MenuTest() { SetSoundEnabled(false); }
    ~MenuTest() override { SetSoundEnabled(true); }

    static std::vector<Menu::Choice> FourLinesSecondLocked()
    {
        return {Line("resume"), Line("levels", false), Line("options"), Line("quit")};
    }
};

// Where the menu draws the picture (its first sprite of it).
testsupport::Box Drawn(Menu& menu, CapturingRenderBackend& backend, const char* picture)
{
    backend.ClearQuads();
    menu.Draw();
    const TextureHandle texture = GetTexture(picture)->texture;
    for (const auto& quad : backend.Quads()) {
        if (quad.texture == texture)
            return testsupport::BoxOf(quad.quad);
    }
    ADD_FAILURE() << picture << " is not drawn";
    return {};
}

::testing::AssertionResult Is(const Menu::Event& event, Kind kind, int choice, int value = 0)
{
    if (event.kind == kind && event.choice == choice && event.value == value)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "event kind " << static_cast<int>(event.kind) << " choice " << event.choice
                                         << " value " << event.value;
}

} // namespace

TEST_F(MenuTest, KeysMoveRoundTheEndsSkippingDisabledLines)
{
    Menu menu("paused", FourLinesSecondLocked());
    EXPECT_EQ(menu.Chosen(), 0);
    EXPECT_TRUE(Is(menu.HandleEvent(Key(gamekeys::kDown)), Kind::kMoved, 2));
    EXPECT_TRUE(Is(menu.HandleEvent(Key(gamekeys::kS)), Kind::kMoved, 3));
    EXPECT_TRUE(Is(menu.HandleEvent(Key(gamekeys::kDown)), Kind::kMoved, 0)) << "from the last line round to the first";
    EXPECT_TRUE(Is(menu.HandleEvent(Key(gamekeys::kW)), Kind::kMoved, 3));
    EXPECT_TRUE(Is(menu.HandleEvent(Key(gamekeys::kUp)), Kind::kMoved, 2));
    EXPECT_TRUE(Is(menu.HandleEvent(Key(gamekeys::kUp)), Kind::kMoved, 0)) << "the locked line is skipped";
    menu.Choose(1);
    EXPECT_EQ(menu.Chosen(), 0) << "a locked line cannot be marked";

    Menu locked("levels", {Line("level 1", false), Line("level 2")});
    EXPECT_EQ(locked.Chosen(), 1) << "the first enabled line starts marked";
    EXPECT_TRUE(Is(locked.HandleEvent(Key(gamekeys::kDown)), Kind::kNothing, -1)) << "nowhere else to go";
}

TEST_F(MenuTest, TakingGoingBackAndChangingValues)
{
    Menu menu("options", {Line("back"), Valued("music", Menu::ValueKind::kSlider, 9),
                          Valued("full screen", Menu::ValueKind::kSwitch, 0),
                          Valued("window", Menu::ValueKind::kList, 0, {"1280 x 720", "1920 x 1080"})});
    EXPECT_TRUE(Is(menu.HandleEvent(Key(gamekeys::kReturn)), Kind::kTaken, 0));
    EXPECT_TRUE(Is(menu.HandleEvent(Key(gamekeys::kEscape)), Kind::kBack, 0));
    EXPECT_TRUE(Is(menu.HandleEvent(Key(gamekeys::kRight)), Kind::kNothing, -1)) << "a line without a value";

    menu.Choose(1);
    EXPECT_TRUE(Is(menu.HandleEvent(Key(gamekeys::kD)), Kind::kChanged, 1, 10));
    EXPECT_TRUE(Is(menu.HandleEvent(Key(gamekeys::kRight)), Kind::kNothing, -1)) << "the slider stops at 10";
    EXPECT_TRUE(Is(menu.HandleEvent(Key(gamekeys::kA)), Kind::kChanged, 1, 9));
    EXPECT_EQ(menu.ChoiceAt(1).value, 9);

    menu.Choose(2);
    EXPECT_TRUE(Is(menu.HandleEvent(Key(gamekeys::kSpace)), Kind::kChanged, 2, 1)) << "taking a switch flips it";
    EXPECT_TRUE(Is(menu.HandleEvent(Key(gamekeys::kLeft)), Kind::kChanged, 2, 0));

    menu.Choose(3);
    EXPECT_TRUE(Is(menu.HandleEvent(Key(gamekeys::kRight)), Kind::kChanged, 3, 1));
    EXPECT_TRUE(Is(menu.HandleEvent(Key(gamekeys::kRight)), Kind::kChanged, 3, 0)) << "a list goes round";
    EXPECT_TRUE(Is(menu.HandleEvent(Key(gamekeys::kLeft)), Kind::kChanged, 3, 1));
}

TEST_F(MenuTest, ThePointerMarksTheLineUnderItAndAClickTakesIt)
{
    Menu menu("paused", FourLinesSecondLocked());
    EXPECT_TRUE(Is(menu.PointerMoved(Middle(menu.LineBox(2))), Kind::kMoved, 2));
    EXPECT_TRUE(Is(menu.PointerMoved(Middle(menu.LineBox(2)) + vector2(30.0f, 5.0f)), Kind::kNothing, -1));
    EXPECT_TRUE(Is(menu.PointerMoved(Middle(menu.LineBox(1))), Kind::kNothing, -1)) << "over the locked line";
    EXPECT_EQ(menu.Chosen(), 2);
    EXPECT_TRUE(Is(menu.PointerPressed(Middle(menu.LineBox(1))), Kind::kNothing, -1));
    EXPECT_TRUE(Is(menu.PointerPressed(Middle(menu.LineBox(3))), Kind::kTaken, 3));
    EXPECT_EQ(menu.Chosen(), 3);
    EXPECT_TRUE(Is(menu.PointerPressed(vector2(20.0f, 20.0f)), Kind::kNothing, -1)) << "off the card";
    const vector2 middle = Middle(menu.LineBox(0));
    const GameEvent click = GameEvent::MouseButton(GameEvent::kLeftButton, true, static_cast<int32_t>(middle.x),
                                                   static_cast<int32_t>(middle.y));
    EXPECT_TRUE(Is(menu.HandleEvent(click), Kind::kTaken, 0)) << "a click heard as an event, at its point";

    // On a slider line, a click on the slider sets the notch under it; on the label, it takes.
    Menu options("options", {Valued("music", Menu::ValueKind::kSlider, 3), Line("back")});
    const rect line = options.LineBox(0);
    EXPECT_TRUE(Is(options.PointerPressed(vector2(line.x + line.w - 30.0f, Middle(line).y)), Kind::kChanged, 0, 10));
    EXPECT_TRUE(Is(options.PointerPressed(vector2(line.x + 120.0f, Middle(line).y)), Kind::kTaken, 0));
}

// Each kind of value takes a click where it is drawn: a slider the notch nearest the pointer (its
// knob then drawn there), a switch flips, a list's left arrow steps back and the rest of it on.
TEST_F(MenuTest, AClickOnAValueActsWhereTheValueIsDrawn)
{
    Menu menu("options", {Valued("music", Menu::ValueKind::kSlider, 0),
                          Valued("full screen", Menu::ValueKind::kSwitch, 0),
                          Valued("window", Menu::ValueKind::kList, 1, {"1280 x 720", "1600 x 900", "fit"})});
    const float sliderY = Middle(menu.LineBox(0)).y;
    const float bar = Drawn(menu, capture.Backend(), datafiles::kMenuSlider).left;
    for (int notch = 10; notch >= 0; --notch) {
        const int fromBar = datafiles::kMenuSliderFirstNotch + notch * datafiles::kMenuSliderNotchStep;
        const float x = bar + static_cast<float>(fromBar);
        const float nearBy = notch % 2 ? 8.0f : -8.0f;
        EXPECT_TRUE(Is(menu.PointerPressed(vector2(x + nearBy, sliderY)), Kind::kChanged, 0, notch));
        EXPECT_NEAR(Centre(Drawn(menu, capture.Backend(), datafiles::kMenuSliderKnob)), x, 1.0f) << "notch " << notch;
    }

    const float box = Centre(Drawn(menu, capture.Backend(), datafiles::kMenuBox));
    EXPECT_TRUE(Is(menu.PointerPressed(vector2(box, Middle(menu.LineBox(1)).y)), Kind::kChanged, 1, 1));
    EXPECT_TRUE(Is(menu.PointerPressed(vector2(box, Middle(menu.LineBox(1)).y)), Kind::kChanged, 1, 0));

    const float listY = Middle(menu.LineBox(2)).y;
    const float back = Centre(Drawn(menu, capture.Backend(), datafiles::kMenuArrowLeft));
    const float on = Centre(Drawn(menu, capture.Backend(), datafiles::kMenuArrowRight));
    EXPECT_TRUE(Is(menu.PointerPressed(vector2(back, listY)), Kind::kChanged, 2, 0));
    EXPECT_TRUE(Is(menu.PointerPressed(vector2(back, listY)), Kind::kChanged, 2, 2)) << "back round to the last item";
    EXPECT_TRUE(Is(menu.PointerPressed(vector2(on, listY)), Kind::kChanged, 2, 0)) << "on round to the first";
    EXPECT_TRUE(Is(menu.PointerPressed(vector2((back + on) * 0.5f, listY)), Kind::kChanged, 2, 1))
        << "and so does the item";
}

TEST_F(MenuTest, APadMovesOncePerPushOfTheDpadOrTheStick)
{
    Menu menu("paused", {Line("resume"), Valued("music", Menu::ValueKind::kSlider, 5), Line("options"), Line("quit")});
    EXPECT_TRUE(Is(menu.HandleEvent(Button(pads::kDpadDown)), Kind::kMoved, 1));
    EXPECT_TRUE(Is(menu.HandleEvent(Button(pads::kDpadRight)), Kind::kChanged, 1, 6));
    EXPECT_TRUE(Is(menu.HandleEvent(GameEvent::PadButton(pads::kDpadRight, false)), Kind::kNothing, -1));
    EXPECT_TRUE(Is(menu.HandleEvent(Button(pads::kDpadDown)), Kind::kMoved, 2));

    EXPECT_TRUE(Is(menu.HandleEvent(Axis(1, 7000)), Kind::kNothing, -1)) << "under a quarter of full scale";
    EXPECT_TRUE(Is(menu.HandleEvent(Axis(1, 12000)), Kind::kMoved, 3));
    EXPECT_TRUE(Is(menu.HandleEvent(Axis(1, 32767)), Kind::kNothing, -1)) << "held: no repeat";
    EXPECT_TRUE(Is(menu.HandleEvent(Axis(1, 0)), Kind::kNothing, -1));
    EXPECT_TRUE(Is(menu.HandleEvent(Axis(1, -20000)), Kind::kMoved, 2));
    EXPECT_TRUE(Is(menu.HandleEvent(Axis(1, 20000)), Kind::kMoved, 3)) << "flicked straight the other way";
    EXPECT_TRUE(Is(menu.HandleEvent(Axis(3, -32768)), Kind::kNothing, -1)) << "the aiming stick does not move the mark";

    menu.Choose(1);
    EXPECT_TRUE(Is(menu.HandleEvent(Axis(0, -30000)), Kind::kChanged, 1, 5));
    menu.Choose(2);
    EXPECT_TRUE(Is(menu.HandleEvent(Button(pads::kSouth)), Kind::kTaken, 2)) << "the button nearest the player takes";
    EXPECT_TRUE(Is(menu.HandleEvent(Button(pads::kStart)), Kind::kTaken, 2));
    EXPECT_TRUE(Is(menu.HandleEvent(Button(pads::kEast)), Kind::kBack, 2)) << "the one right of it goes back";
    EXPECT_TRUE(Is(menu.HandleEvent(Button(pads::kLeftShoulder)), Kind::kNothing, -1));
}

TEST_F(MenuTest, ALongListScrollsToKeepTheMarkedLineOnTheCard)
{
    std::vector<Menu::Choice> levels;
    for (int i = 1; i <= 12; ++i)
        levels.push_back(Line(("level " + std::to_string(i)).c_str()));
    Menu menu("levels", levels);
    EXPECT_GT(menu.LineBox(6).h, 0.0f);
    EXPECT_EQ(menu.LineBox(7).h, 0.0f) << "seven lines fit on the card";
    EXPECT_TRUE(Is(menu.HandleEvent(Key(gamekeys::kUp)), Kind::kMoved, 11));
    EXPECT_GT(menu.LineBox(11).h, 0.0f);
    EXPECT_EQ(menu.LineBox(0).h, 0.0f);
    EXPECT_EQ(menu.LineBox(11).y, menu.LineBox(5).y + 6 * menu.LineBox(5).h) << "the last line at the card's foot";
    EXPECT_TRUE(Is(menu.PointerMoved(Middle(menu.LineBox(5))), Kind::kMoved, 5));

    capture.Backend().ClearQuads();
    menu.Draw();
    const rect card = menu.CardBox();
    for (const auto& quad : capture.Backend().Quads()) {
        for (const QuadVertex& vertex : quad.quad.v) {
            const float y = (1.0f - vertex.y) * 0.5f * kVirtualHeight;
            EXPECT_GE(y, card.y - 20.0f) << "nothing of the lines scrolled away is drawn";
            EXPECT_LE(y, card.y + card.h + 20.0f);
        }
    }
}

TEST_F(MenuTest, TheMarkSitsOnTheChosenLineAndLockedLinesAreFaded)
{
    Menu menu("paused", FourLinesSecondLocked());
    menu.Choose(2);
    capture.Backend().ClearQuads();
    menu.Draw();
    const TextureHandle mark = GetTexture(datafiles::kMenuMark)->texture;
    const TextureHandle locked = GetTexture(datafiles::Glyph(datafiles::GlyphSize::kLarge, U'V'))->texture;
    int marks = 0, fadedLetters = 0;
    for (const auto& quad : capture.Backend().Quads()) {
        const float y = (1.0f - (quad.quad.v[0].y + quad.quad.v[1].y) * 0.5f) * 0.5f * kVirtualHeight;
        if (quad.texture == mark) {
            ++marks;
            EXPECT_GT(y, menu.LineBox(2).y);
            EXPECT_LT(y, menu.LineBox(2).y + menu.LineBox(2).h);
            EXPECT_LT(quad.quad.v[0].x, (menu.CardBox().x + datafiles::kMenuCardMargin) / kVirtualWidth * 2.0f - 1.0f)
                << "in the card's margin";
        }
        if (quad.texture == locked && (quad.quad.v[0].colour >> 24) < 128)
            ++fadedLetters;
    }
    EXPECT_EQ(marks, 1);
    EXPECT_EQ(fadedLetters, 1) << "the V of the locked \"levels\"";

    menu.SetAlpha(0.5f);
    capture.Backend().ClearQuads();
    menu.Draw();
    for (const auto& quad : capture.Backend().Quads())
        EXPECT_LE(quad.quad.v[0].colour >> 24, 127u) << "the whole menu fades";
}
