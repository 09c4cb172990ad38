// A menu drawn through the real OpenGL backend with the generated art (needs a display: "gl"):
// the card shows as paper, the title and labels as ballpoint ink, the mark as red ink, and
// nothing beyond the card.
#include "app/menu/menu.h"
#include "audio/soundoutput.h"
#include "engine/platform/platform.h"
#include "engine/render/renderbackend.h"
#include "engine/render/renderdevice.h"
#include "engine/render/texturecache.h"

#include <gtest/gtest.h>

#include <memory>

#include <vector>

namespace {

struct Counts {
    int paper = 0, ballpoint = 0, red = 0, clear = 0;
};

// Sorts the pixels of a box of the 1280 x 720 target by what they show.
Counts CountPixels(const std::vector<uint8_t>& target, const rect& box)
{
    Counts counts;
    for (int y = static_cast<int>(box.y); y < static_cast<int>(box.y + box.h); ++y) {
        for (int x = static_cast<int>(box.x); x < static_cast<int>(box.x + box.w); ++x) {
            const uint8_t* p = &target[(static_cast<std::size_t>(y) * 1280 + static_cast<std::size_t>(x)) * 4];
            if (p[3] == 0)
                ++counts.clear;
            else if (p[0] > 235 && p[1] > 230 && p[2] > 215)
                ++counts.paper;
            else if (p[2] > p[0] + 50 && p[0] < 90)
                ++counts.ballpoint;
            else if (p[0] > 150 && p[1] < 80 && p[2] < 80)
                ++counts.red;
        }
    }
    return counts;
}

} // namespace

TEST(MenuPixels, TheCardTitleLinesAndMarkShowWhereTheyBelong)
{
    SetSoundEnabled(false);
    std::unique_ptr<Platform> platform = Platform::Start(WindowOptions());
    ASSERT_TRUE(platform);
    std::vector<uint8_t> target;
    {
        std::vector<Menu::Choice> choices(3);
        choices[0].label = "resume";
        choices[1].label = "options";
        choices[2].label = "quit";
        Menu menu("paused", choices);
        menu.Choose(1);
        BeginFrame();
        menu.Draw();
        EndFrame();
        ASSERT_TRUE(GetRenderBackend().ReadTarget(target));
        const rect card = menu.CardBox();
        const rect line = menu.LineBox(1);

        const Counts title = CountPixels(target, rect(card.x + 300, card.y + 20, 200, 50));
        EXPECT_GT(title.ballpoint, 500) << "the title is lettered";
        EXPECT_GT(title.paper, 3000) << "on the card's paper";
        const Counts label = CountPixels(target, rect(line.x + 100, line.y, 300, line.h));
        EXPECT_GT(label.ballpoint, 1000);
        const Counts mark = CountPixels(target, rect(card.x, line.y, 90, line.h));
        EXPECT_GT(mark.red, 150) << "the mark in the margin of the chosen line";
        const Counts otherMargin = CountPixels(target, rect(card.x, menu.LineBox(0).y, 80, line.h));
        EXPECT_EQ(otherMargin.red, 0) << "and beside no other line";
        const Counts empty = CountPixels(target, rect(card.x + 500, line.y + 4, 250, line.h - 14));
        EXPECT_GT(empty.paper, 250 * (static_cast<int>(line.h) - 14) * 9 / 10) << "blank paper where the line is empty";
        const Counts outside = CountPixels(target, rect(0, 0, 1280, card.y - 10));
        EXPECT_EQ(outside.clear, 1280 * (static_cast<int>(card.y) - 10)) << "nothing above the card";
    }
    platform.reset();
    SetSoundEnabled(true);
}
